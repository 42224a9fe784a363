// The yardsticks for start-up: an empty Qt main window, built and started like the program, and
// with --text the same window showing one line of text, which brings up the font system that
// any window with words in it needs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        window.setCentralWidget(new QLabel(QStringLiteral("Dornavel"), &window));
    }
    window.resize(541, 458);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
