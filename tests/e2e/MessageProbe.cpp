// Shows the program's message box for a text, a caption and a button caption given on the
// command line, so that an end-to-end test can compare it with a box of the real program.
#include "shell/message/MessageBox.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    fr::showMessage(nullptr, QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                    QString::fromLocal8Bit(argv[3]));
    return 0;
}
