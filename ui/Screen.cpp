#include "ui/Screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "ui/Look.h"

namespace ui {
namespace {

// One filter for the whole program hands each key press to the screen it is meant for.
class KeyRouter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        auto* screen = qobject_cast<Screen*>(widget->window());
        return screen && screen->previewKey(widget, static_cast<QKeyEvent*>(event));
    }
};

void installKeyRouter() {
    static bool installed = false;
    if (!installed) {
        qApp->installEventFilter(new KeyRouter(qApp));
        installed = true;
    }
}

}  // namespace

QChar mappedCharacter(QChar typed) {
    switch (typed.unicode()) {
        case u'[':
            return QChar(0xC7);  // Ç
        case u']':
            return QChar(0xBF);  // ¿
        case u'{':
            return QChar(0xE7);  // ç
        case u'}':
            return QChar(0xA1);  // ¡
        default:
            return typed;
    }
}

Screen::Screen(Context& context, const QString& caption, quint32 background, int fontPoints)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      context_(context) {
    setWindowTitle(caption);
    setWindowIcon(ui::windowIcon());  // qualified: unqualified, QWidget's own getter answers
    setFixedSize(kClientWidth, kClientHeight);
    setBackground(this, background);
    setFont(screenFont(fontPoints));
    installKeyRouter();
}

void Screen::guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        dialogs().error(QString::fromUtf8(e.what()));
    }
}

void Screen::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { guard(handler); });
}

void Screen::buttEXITClick() {
    if (dialogs().confirm(QStringLiteral("Avsluta programmet"))) {
        context_.quit();
    }
}

bool Screen::previewKey(QWidget* receiver, QKeyEvent* event) {
    const QString text = event->text();
    if (bracketMapping_ && text.size() == 1 && mappedCharacter(text[0]) != text[0]) {
        QKeyEvent mapped(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(),
                         QString(mappedCharacter(text[0])), event->isAutoRepeat());
        QApplication::sendEvent(receiver, &mapped);
        return true;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (auto* focused = qobject_cast<QPushButton*>(receiver)) {
        if (focused->isEnabled()) {
            focused->click();
        }
        return true;
    }
    if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisible()) {
        defaultButton_->click();
        return true;
    }
    return false;
}

void Screen::nameControls() {
    for (QWidget* w : findChildren<QWidget*>()) {
        // Buttons and labels are named by their current caption already.
        if (!w->accessibleName().isEmpty() || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QLabel*>(w)) {
            continue;
        }
        QString name = w->toolTip();
        if (name.isEmpty()) {
            if (auto* group = qobject_cast<QGroupBox*>(w->parentWidget())) {
                name = group->title();
            }
        }
        if (!name.isEmpty()) {
            w->setAccessibleName(name);
        }
    }
}

void Screen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!named_) {
        named_ = true;
        nameControls();
    }
    if (!event->spontaneous()) {
        guard([this] { FormShow(); });
    }
}

void Screen::closeEvent(QCloseEvent* event) {
    event->ignore();
    guard([this] { buttEXITClick(); });
}

}  // namespace ui
