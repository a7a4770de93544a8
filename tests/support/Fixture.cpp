#include "tests/support/Fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>

ProgramTest::ProgramTest() : previousDir_(QDir::currentPath()) {
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
    program_ = std::make_unique<Program>(context_);
}

ProgramTest::~ProgramTest() {
    program_.reset();
    store::setFaultHook({});
    dialogs.verifyAllShown();
    QDir::setCurrent(previousDir_);
}

void ProgramTest::click(QAbstractButton* button) {
    ASSERT_TRUE(button->isVisible()) << button->text().toStdString() << " is not visible";
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString() << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

void ProgramTest::type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ProgramTest::press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

QByteArray ProgramTest::fileBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramTest::writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

FaultInjection::FaultInjection(store::FileOp op, int errorNumber, int skip, bool all) {
    store::setFaultHook([=, seen = seen_](store::FileOp o, const std::string&) {
        if (o != op) {
            return 0;
        }
        const int n = (*seen)++;
        return n == skip || (all && n > skip) ? errorNumber : 0;
    });
}

FaultInjection::~FaultInjection() { store::setFaultHook({}); }

FileOpCounter::FileOpCounter() {
    store::setFaultHook([counts = counts_](store::FileOp op, const std::string&) {
        ++(*counts)[static_cast<std::size_t>(op)];
        return 0;
    });
}

FileOpCounter::~FileOpCounter() { store::setFaultHook({}); }

int FileOpCounter::count(store::FileOp op) const {
    return (*counts_)[static_cast<std::size_t>(op)];
}
