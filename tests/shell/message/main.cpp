#include "tests/shell/message/MessageTests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    {
        MessageBoxTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        ProgramIconTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
