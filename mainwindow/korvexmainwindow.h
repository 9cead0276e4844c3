// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

class AccessControl;
class CatalogueTemplateFields;
class ControlStatusBar;
class DeviceListPanel;
class EventLog;
class Fleet;
class GraphicsScene;
class GraphicsView;
class JobService;
class ReaderService;
class JobsPanel;
class JournalDock;
class MessageFileList;
class RemoteLines;
class MessagePreview;
class PrintParameterWidget;
class Station;
class TcpServer;

namespace Ui {
class KorvexMainWindow;
}

// The one window of the control application: one button per connected
// coder, the message files of "Spray/" with a preview, and the commands sent
// to the checked coders.  The coders, the commands, the journal and the
// users belong to the station; the window shows them and wires the
// operator's clicks to it.
class KorvexMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Shows the station, which outlives the window; open it after this.
    explicit KorvexMainWindow(Station *station, QWidget *parent = nullptr);
    ~KorvexMainWindow() override;

    Station *station() const { return m_station; }
    GraphicsView *previewView() const;
    GraphicsScene *previewScene() const;
    MessagePreview *preview() const { return m_preview; }
    Fleet *fleet() const { return m_fleet; }
    TcpServer *server() const;
    DeviceListPanel *deviceList() const { return m_devices; }
    PrintParameterWidget *parameterPanel() const;
    EventLog *eventLog() const;
    // The coders of other lines, when the plant link shows them.
    RemoteLines *remoteLines() const { return m_remote; }
    ControlStatusBar *controlStatusBar() const { return m_statusBar; }
    JournalDock *journal() const { return m_journal; }
    AccessControl *access() const { return m_access; }
    // The "Jobs" view, on the station's jobs: made with the first service
    // given (none: the window runs no jobs, as without a catalogue).
    void setJobService(JobService *service);
    JobsPanel *jobsPanel() const { return m_jobs; }
    // The code readers' alarms and challenge reminders, at the top.
    void setReaderService(ReaderService *service);

    // Opens the message editor on a file (mode 0) or on a new message
    // (mode 2, empty path) and returns when it is closed. The default runs
    // the editor modally; tests replace it.
    using EditorOpener = std::function<void(const QString &filePath, int mode)>;
    void setEditorOpener(EditorOpener opener) { m_openEditor = std::move(opener); }

private slots:
    void on_tabWidget_currentChanged(int index);
    void on_newFileBtn_clicked();
    void on_builtBtn_clicked();
    void on_syncBtn_clicked();
    void on_editToolBtn_clicked();
    void on_multiSelectbtn_clicked();
    void on_startBtn_clicked();
    void on_StopBtn_clicked();
    void on_syncPrintParameterBtn_clicked();
    void on_multiSelectbtnForParameter_toggled(bool checked);

private:
    void setUpPreview();
    // The Help menu; its manual item is also on F1.
    void connectFleet();
    void deviceChecked(int descriptor);
    void coderFileStored(int descriptor, const QString &path);
    void parametersReceived(int descriptor, const QByteArray &block);
    void refused(const QString &text);
    void refreshFileList();
    void updatePreview();
    // With a message chosen, for a role that may edit messages.
    void updateEditButton();
    void problem(const QString &text);
    void note(const QString &text);

    std::unique_ptr<Ui::KorvexMainWindow> ui;
    Station *m_station;
    Fleet *m_fleet;
    DeviceListPanel *m_devices;
    // The coder whose reply the preview and the parameter panel show; -1: none.
    int m_currentDescriptor = -1;
    MessagePreview *m_preview;
    MessageFileList *m_files;
    RemoteLines *m_remote;
    ControlStatusBar *m_statusBar;
    JournalDock *m_journal;
    AccessControl *m_access;
    JobsPanel *m_jobs = nullptr;
    EditorOpener m_openEditor;
    // The designer's view of the catalogue; none without a job service.
    std::unique_ptr<CatalogueTemplateFields> m_templateFields;
};
