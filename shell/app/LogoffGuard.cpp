#include "shell/app/LogoffGuard.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSessionManager>
#include <QWidget>

namespace fr {

LogoffGuard::LogoffGuard(QWidget& window) : window_(window) {
    connect(qApp, &QGuiApplication::commitDataRequest, this, &LogoffGuard::onCommitDataRequest,
            Qt::DirectConnection);
}

QString LogoffGuard::caption(const QString& programPath) {
    return QFileInfo(programPath).completeBaseName();
}

QString LogoffGuard::warningText() {
    return QStringLiteral(
        "Application still active.\n\nQuit the application before quitting Windows.");
}

void LogoffGuard::warn() {
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
    QMessageBox box(QMessageBox::Warning, caption(QCoreApplication::applicationFilePath()),
                    warningText(), QMessageBox::Ok, &window_);
    // Qt has no system-wide modality; the nearest is a box above every window of the program.
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void LogoffGuard::onCommitDataRequest(QSessionManager& manager) {
    if (!window_.isVisible())
        return;
    // Without interaction the session manager cannot be asked to wait, nor told to cancel.
    if (!manager.allowsInteraction())
        return;
    warn();
    manager.release();
    manager.cancel();
}

} // namespace fr
