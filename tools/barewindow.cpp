// The yardstick for the start-up benchmark: a window a person would call empty, built with the
// same compiler, flags and Qt as the program. It carries what every real window of this kind
// has: a menu bar with one menu, a list of 16 lines and a drop-down list of 60 items.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    auto* client = new QWidget(&window);
    auto* layout = new QVBoxLayout(client);
    auto* list = new QListWidget(client);
    for (int line = 0; line < 16; ++line)
        list->addItem(QStringLiteral("Line %1").arg(line, 2, 10, QLatin1Char('0')));
    auto* combo = new QComboBox(client);
    for (int item = 0; item < 60; ++item)
        combo->addItem(QStringLiteral("%1").arg(item, 2, 10, QLatin1Char('0')));
    layout->addWidget(list);
    layout->addWidget(combo);
    window.setCentralWidget(client);
    window.resize(412, 420);
    window.show();
    return application.exec();
}
