// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QWidget>

class JournalModel;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableView;

// The journal's lines in a table, oldest first, with filters by coder (IP or
// remark name), user, action and date (the local date of the line).  It
// reads the month files of the chosen dates and takes new lines as they are
// written.
class JournalView : public QWidget
{
    Q_OBJECT
public:
    enum Column { Number, Time, User, Pc, Action, Coders, Details, ColumnCount };

    // today: the last date shown at first; the first is a month before.
    JournalView(const QString &folder, const QDate &today, QWidget *parent = nullptr);
    ~JournalView() override;

    void setDateRange(const QDate &from, const QDate &to);
    // Reads the lines of the chosen dates again.
    void reload();
    // A line just written.
    void addLine(const QByteArray &line);

    QAbstractItemModel *model() const;

private:
    void applyFilter();
    void noteChoices(const QString &user, const QString &action);

    QString m_folder;
    JournalModel *m_model;
    QLineEdit *m_coder;
    QComboBox *m_user;
    QComboBox *m_action;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QTableView *m_table;
};
