#pragma once

#include <QObject>
#include <QString>

class QSessionManager;
class QWidget;

namespace fr {

/// Refuses the session's log-off or shut-down while the main window is open: the window comes
/// to the front, a warning box says why, and the session manager is told to cancel.
class LogoffGuard : public QObject {
    Q_OBJECT
public:
    explicit LogoffGuard(QWidget& window);

    /// Brings the window to the front and shows the warning box until it is closed.
    void warn();

    /// The warning's caption: the program file's name without folder and extension.
    static QString caption(const QString& programPath);
    static QString warningText();

private:
    void onCommitDataRequest(QSessionManager& manager);

    QWidget& window_;
};

} // namespace fr
