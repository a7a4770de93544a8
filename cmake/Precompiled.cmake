# Qt's headers, and GoogleTest's in the tests, are most of what a file of ours costs to compile.
# A library of several files parses them once, into a precompiled header each of its files then
# starts from; the tests start from their support library's.
set(ORDLYKTA_PLAIN_HEADERS
    <algorithm> <cstdint> <functional> <map> <memory> <optional> <set> <span> <string> <vector>)
set(ORDLYKTA_CORE_HEADERS
    ${ORDLYKTA_PLAIN_HEADERS}
    <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QJsonArray> <QJsonObject>
    <QRegularExpression> <QString> <QStringList>)
set(ORDLYKTA_WIDGETS_HEADERS
    ${ORDLYKTA_CORE_HEADERS}
    <QApplication> <QCheckBox> <QComboBox> <QGroupBox> <QHBoxLayout> <QHeaderView> <QLabel>
    <QLineEdit> <QMessageBox> <QPainter> <QPushButton> <QTableWidget> <QTimer> <QTreeWidget>
    <QVBoxLayout> <QWidget>)
set(ORDLYKTA_TESTS_HEADERS ${ORDLYKTA_WIDGETS_HEADERS} <gtest/gtest.h> <QTemporaryDir> <QTest>)

# ordlykta_precompile(target PLAIN|CORE|WIDGETS|TESTS): the headers of that kind for `target`.
function(ordlykta_precompile target kind)
  target_precompile_headers(${target} PRIVATE ${ORDLYKTA_${kind}_HEADERS})
endfunction()
