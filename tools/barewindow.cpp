// The yardstick for the start-up benchmark: Qt's "hello world", a bare main window showing one
// line of text, built with the same compiler, flags and Qt as the program. (A window without any
// text would never start the font system, which every real window needs.)
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(412, 420);
    window.show();
    return application.exec();
}
