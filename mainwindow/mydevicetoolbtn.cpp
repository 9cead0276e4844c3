// SPDX-License-Identifier: GPL-3.0-or-later
#include "mydevicetoolbtn.h"

#include "changemydevicebtnremarknamedialog.h"

#include <QCursor>
#include <QMenu>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

MyDeviceToolBtn::DialogRunner &dialogRunner()
{
    static MyDeviceToolBtn::DialogRunner runner;
    return runner;
}

struct StateColours
{
    const char *top, *middle, *bottom; // gradient stops 0, 0.4, 1.0
};

constexpr StateColours kStateColours[] = {
    {"255,174,201", "255,128,169", "242,53,67"}, // stopped: red
    {"255,210,0", "255,185,0", "255,138,60"},    // ready: yellow
    {"132,226,170", "105,209,123", "68,199,92"}, // printing: green
};

QString gradient(const StateColours &c, const QString &alpha)
{
    const QString stop =
        alpha.isEmpty() ? QStringLiteral("rgb(%1)") : QStringLiteral("rgba(%1,%2)");
    auto colour = [&](const char *rgb) {
        return alpha.isEmpty() ? stop.arg(QLatin1String(rgb)) : stop.arg(QLatin1String(rgb), alpha);
    };
    return QStringLiteral("qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 %1, "
                          "stop:0.4 %2, stop:1 %3)")
        .arg(colour(c.top), colour(c.middle), colour(c.bottom));
}

} // namespace

MyDeviceToolBtn::MyDeviceToolBtn(QWidget *parent)
    : QToolButton(parent), m_progressBar(new QProgressBar(this)), m_contextMenu(new QMenu(this)),
      m_remarkAction(new QAction(tr("Remark Name"), this))
{
    m_progressBar->setMinimumHeight(5);
    m_progressBar->setMaximumHeight(8);
    m_progressBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_progressBar->setRange(0, 100);
    m_progressBar->setTextVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addStretch(2);
    layout->addWidget(m_progressBar);

    setSizePolicy(QSizePolicy::Expanding, sizePolicy().verticalPolicy());
    setCheckable(true);
    setAutoExclusive(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    m_contextMenu->addAction(m_remarkAction);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this] { m_contextMenu->popup(QCursor::pos()); });
    connect(m_remarkAction, &QAction::triggered, this, &MyDeviceToolBtn::editRemarkName);
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &MyDeviceToolBtn::refreshLook);
    refreshLook();
    refreshToolTip();
}

void MyDeviceToolBtn::setState(int state)
{
    if (state < Stopped || state > Printing || state == m_state)
        return;
    m_state = state;
    refreshToolTip();
    scheduleRefresh();
}

// A new style sheet re-polishes the button and its bar, and a bar repaint
// goes through the style sheet too; both cost far more than a status report.
// 200 coders reporting ten times a second are shown at most every
// kMinRefreshMs each, the latest state and progress last.
void MyDeviceToolBtn::scheduleRefresh()
{
    if (m_refreshTimer.isActive())
        return;
    const qint64 since = m_lastRefresh.isValid() ? m_lastRefresh.elapsed() : kMinRefreshMs;
    m_refreshTimer.start(int(qMax<qint64>(0, kMinRefreshMs - since)));
}

void MyDeviceToolBtn::refreshLook()
{
    const QString sheet = styleSheetForState(m_state);
    if (sheet != styleSheet())
        setStyleSheet(sheet);
    m_progressBar->setValue(m_progress);
    m_lastRefresh.start();
}

int MyDeviceToolBtn::stateFor(CoderState state)
{
    switch (state) {
    case CoderState::Printing:
        return Printing;
    case CoderState::Ready:
        return Ready;
    case CoderState::Stopped:
        break;
    }
    return Stopped;
}

QString MyDeviceToolBtn::styleSheetForState(int state)
{
    const StateColours &c = kStateColours[qBound(0, state, 2)];
    const QString light = QStringLiteral("0.8");
    return QStringLiteral("QToolButton{background:%1;border:none;}"
                          "QToolButton:hover{background:%2;border:2px solid rgb(164,206,249);}"
                          "QToolButton:checked{background:%2;border:4px solid rgb(20,40,110);"
                          "font-weight:bold;}")
        .arg(gradient(c, QString()), gradient(c, light));
}

void MyDeviceToolBtn::setProgress(int percent)
{
    // A coder's progress is a signed byte; the bar shows 0 to 100.
    const int progress = qBound(0, percent, 100);
    if (progress == m_progress)
        return;
    m_progress = progress;
    scheduleRefresh();
}

void MyDeviceToolBtn::setIpText(const QString &ipText)
{
    m_ipText = ipText;
    refreshToolTip();
}

void MyDeviceToolBtn::setRemarkName(const QString &name)
{
    m_remarkName = name;
    refreshToolTip();
}

void MyDeviceToolBtn::setCurrentFile(const QString &name)
{
    m_currentFile = name;
    refreshToolTip();
}

void MyDeviceToolBtn::refreshText()
{
    setText(m_remarkName.isEmpty() ? m_ipText : m_remarkName);
}

void MyDeviceToolBtn::setDialogRunner(DialogRunner runner)
{
    dialogRunner() = std::move(runner);
}

void MyDeviceToolBtn::editRemarkName()
{
    auto *dialog = new ChangeMyDeviceBtnRemarkNameDialog(this, this);
    connect(dialog, &QDialog::accepted, this, [this] {
        refreshText();
        emit remarkNameEdited(m_remarkName);
    });
    if (dialogRunner())
        dialogRunner()(dialog);
    else
        dialog->exec();
}

void MyDeviceToolBtn::refreshToolTip()
{
    static const char *const kStateNames[] = {QT_TR_NOOP("stopped"), QT_TR_NOOP("ready"),
                                              QT_TR_NOOP("printing")};
    QStringList lines;
    lines << tr("IP: %1").arg(m_ipText);
    if (!m_remarkName.isEmpty())
        lines << tr("Remark name: %1").arg(m_remarkName);
    lines << tr("State: %1").arg(tr(kStateNames[m_state]));
    lines << tr("Current file: %1").arg(m_currentFile.isEmpty() ? tr("unknown") : m_currentFile);
    setToolTip(lines.join(QLatin1Char('\n')));
}
