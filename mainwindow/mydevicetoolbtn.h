// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coder.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QToolButton>

#include <functional>

class QDialog;
class QMenu;
class QProgressBar;

// One connected coder in the device list: shows its remark name (or IP
// text), takes the colour of its last reported state and carries a thin
// progress bar. Right-click offers "Remark Name".
class MyDeviceToolBtn : public QToolButton
{
    Q_OBJECT
public:
    // Button states, by colour.
    enum State { Stopped = 0, Ready = 1, Printing = 2 };

    explicit MyDeviceToolBtn(QWidget *parent = nullptr);

    // State and progress are kept at once; the button shows them within
    // kMinRefreshMs.
    static constexpr int kMinRefreshMs = 250;
    int state() const { return m_state; }
    void setState(int state);
    // The colour of a coder's state.
    static int stateFor(CoderState state);
    static QString styleSheetForState(int state);

    int progress() const { return m_progress; }
    void setProgress(int percent);

    int descriptor() const { return m_descriptor; }
    void setDescriptor(int descriptor) { m_descriptor = descriptor; }
    QString ipText() const { return m_ipText; }
    void setIpText(const QString &ipText);
    QString remarkName() const { return m_remarkName; }
    void setRemarkName(const QString &name);
    QString currentFile() const { return m_currentFile; }
    void setCurrentFile(const QString &name);

    // Shows the remark name when there is one, else the IP text.
    void refreshText();

    QMenu *contextMenu() const { return m_contextMenu; }
    QAction *remarkAction() const { return m_remarkAction; }

    // Runs the remark-name dialog; the default runs it modally. Tests
    // replace it so that nothing ever waits for an operator.
    using DialogRunner = std::function<int(QDialog *)>;
    static void setDialogRunner(DialogRunner runner);

signals:
    // The operator gave the coder a new remark name (empty: none).
    void remarkNameEdited(const QString &name);

private:
    void scheduleRefresh();
    void refreshLook();
    void editRemarkName();
    void refreshToolTip();

    int m_state = Stopped;
    QProgressBar *m_progressBar;
    int m_descriptor = 0;
    QString m_ipText;
    QString m_remarkName;
    QMenu *m_contextMenu;
    QAction *m_remarkAction;
    QString m_currentFile;
    int m_progress = 90; // percent
    QTimer m_refreshTimer;
    QElapsedTimer m_lastRefresh;
};
