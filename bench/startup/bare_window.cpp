// The floor the toolkit sets: the smallest Qt Widgets program that puts a window of the
// program's size with one line of text on the screen. bench/startup.sh measures it beside the
// program, so the program's own cost shows as a ratio that does not depend on the machine.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Ordlykta"));
    window.setFixedSize(792, 573);
    window.show();
    return QApplication::exec();
}
