#pragma once
// Running the command-line tool in-process, and the files a test gives it and reads back.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <span>
#include <sstream>
#include <string>

#include "store/Layout.h"
#include "store/Settings.h"
#include "tests/support/KeptJournal.h"
#include "tool/Tool.h"

struct ToolResult {
    int status;
    std::string out;
    std::string err;
};

inline ToolResult runTool(const QStringList& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool::run(arguments, out, err);
    return {status, out.str(), err.str()};
}

// Bytes as the store keeps them (a record, a whole image), as Qt compares and writes them.
inline QByteArray bytesOf(std::span<const unsigned char> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A data file made a record short, as a damaged one is.
inline void cutLastRecord(const QString& path) {
    QByteArray bytes = readFile(path);
    bytes.chop(store::kRecordSize);
    writeFile(path, bytes);
}

// Every file under a folder, hidden ones and those in subfolders too, with its bytes; an empty
// kept journal is left out.
inline std::map<QString, QByteArray> folderBytes(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!isEmptyJournal(path)) {
            files[path] = readFile(path);
        }
    }
    return files;
}

// A temporary folder holding the data folder "data" and, beside it, the files a test gives.
class DataFolderTest : public ::testing::Test {
  public:
    QString data() const { return dir_.filePath(QStringLiteral("data")); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString dataFile(const QString& name) const { return data() + QLatin1Char('/') + name; }
    ToolResult run(QStringList arguments) { return runTool(arguments << "--data" << data()); }
    // agen.dat: the settings as the program first writes them, language 1 named `name`.
    void writeSettings(const std::string& name) {
        store::Settings settings = store::defaultSettings();
        settings.names[0] = name;
        writeFile(dataFile(QStringLiteral("agen.dat")), bytesOf(store::encode(settings)));
    }

    QTemporaryDir dir_;
};
