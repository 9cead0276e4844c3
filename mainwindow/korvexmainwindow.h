// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class GraphicsScene;
class GraphicsView;

namespace Ui {
class KorvexMainWindow;
}

// The one window of the control application.
class KorvexMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit KorvexMainWindow(QWidget *parent = nullptr);
    ~KorvexMainWindow() override;

    GraphicsView *previewView() const;
    GraphicsScene *previewScene() const { return preview; }

private:
    Ui::KorvexMainWindow *ui;
    GraphicsScene *preview;
};
