// SPDX-License-Identifier: GPL-3.0-or-later
#include "journalview.h"

#include "commandjournal.h"
#include "journal.h"
#include "journalline.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The journal keeps its own keys ("message sent"); the view shows them in the
// operator's words.  A key not listed here is shown as it stands.
const char *const kActionWords[] = {
    QT_TRANSLATE_NOOP("JournalView", "message sent"),
    QT_TRANSLATE_NOOP("JournalView", "print parameters"),
    QT_TRANSLATE_NOOP("JournalView", "start"),
    QT_TRANSLATE_NOOP("JournalView", "stop"),
    QT_TRANSLATE_NOOP("JournalView", "port"),
    QT_TRANSLATE_NOOP("JournalView", "remark name"),
    QT_TRANSLATE_NOOP("JournalView", "message saved"),
    QT_TRANSLATE_NOOP("JournalView", "command failed"),
    QT_TRANSLATE_NOOP("JournalView", "journal recovered"),
    QT_TRANSLATE_NOOP("JournalView", "sign-in"),
    QT_TRANSLATE_NOOP("JournalView", "sign-in refused"),
    QT_TRANSLATE_NOOP("JournalView", "sign-out"),
    QT_TRANSLATE_NOOP("JournalView", "users on"),
    QT_TRANSLATE_NOOP("JournalView", "users off"),
    QT_TRANSLATE_NOOP("JournalView", "user set"),
    QT_TRANSLATE_NOOP("JournalView", "user removed"),
    QT_TRANSLATE_NOOP("JournalView", "idle time"),
    QT_TRANSLATE_NOOP("JournalView", "administrator created"),
};

QString actionText(const QString &key)
{
    for (const char *words : kActionWords) {
        if (key == QLatin1String(words))
            return JournalView::tr(words);
    }
    return key;
}

} // namespace

namespace {

QString monthFile(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM")) + QStringLiteral(".jsonl");
}

} // namespace

// The lines read, and those of them the filter lets through.
class JournalModel : public QAbstractTableModel
{
public:
    struct Entry
    {
        qint64 number;
        QDateTime time;
        QString user;
        QString pc;
        QString action;
        QStringList coders;
        QString details;
    };
    struct Filter
    {
        QString coder;
        QString user;
        QString action;
        QDate from;
        QDate to;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QVector<Entry> entries)
    {
        m_entries = std::move(entries);
        refilter();
    }
    void setFilter(const Filter &filter)
    {
        m_filter = filter;
        refilter();
    }
    // False when it falls outside the dates read.
    bool append(const Entry &entry)
    {
        if (entry.time.date() < m_filter.from || entry.time.date() > m_filter.to)
            return false;
        m_entries.append(entry);
        if (passes(entry)) {
            beginInsertRows(QModelIndex(), m_shown.size(), m_shown.size());
            m_shown.append(m_entries.size() - 1);
            endInsertRows();
        }
        return true;
    }
    bool passes(const Entry &e) const
    {
        if (e.time.date() < m_filter.from || e.time.date() > m_filter.to)
            return false;
        if (!m_filter.user.isEmpty() && e.user != m_filter.user)
            return false;
        if (!m_filter.action.isEmpty() && e.action != m_filter.action)
            return false;
        return m_filter.coder.isEmpty() ||
               e.coders.join(QLatin1Char('\n')).contains(m_filter.coder, Qt::CaseInsensitive);
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_shown.size();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : JournalView::ColumnCount;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return QVariant();
        const Entry &e = m_entries.at(m_shown.at(index.row()));
        switch (index.column()) {
        case JournalView::Number:
            return e.number;
        case JournalView::Time:
            return e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case JournalView::User:
            return e.user;
        case JournalView::Pc:
            return e.pc;
        case JournalView::Action:
            return actionText(e.action);
        case JournalView::Coders:
            return e.coders.join(QLatin1String(", "));
        case JournalView::Details:
            return e.details;
        }
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        static const char *const names[] = {"#",
                                            QT_TRANSLATE_NOOP("JournalView", "Time"),
                                            QT_TRANSLATE_NOOP("JournalView", "User"),
                                            QT_TRANSLATE_NOOP("JournalView", "PC"),
                                            QT_TRANSLATE_NOOP("JournalView", "Action"),
                                            QT_TRANSLATE_NOOP("JournalView", "Coders"),
                                            QT_TRANSLATE_NOOP("JournalView", "Details")};
        return JournalView::tr(names[section]);
    }

private:
    void refilter()
    {
        beginResetModel();
        m_shown.clear();
        for (int i = 0; i < m_entries.size(); ++i) {
            if (passes(m_entries.at(i)))
                m_shown.append(i);
        }
        endResetModel();
    }

    QVector<Entry> m_entries;
    QVector<int> m_shown;
    Filter m_filter;
};

namespace {

JournalModel::Entry entryOf(const JournalLine &line)
{
    const QJsonObject &o = line.object;
    QString user = o.value(QLatin1String("user")).toString();
    if (o.value(QLatin1String("claimed")).toBool())
        user = JournalView::tr("%1 (claimed)").arg(user);
    return {line.number,
            journalLocalTime(o),
            user,
            o.value(QLatin1String("pc")).toString(),
            line.action,
            CommandJournal::coderNames(o),
            CommandJournal::details(o)};
}

} // namespace

JournalView::JournalView(const QString &folder, const QDate &today, QWidget *parent)
    : QWidget(parent), m_folder(folder), m_model(new JournalModel(this)),
      m_coder(new QLineEdit(this)), m_user(new QComboBox(this)), m_action(new QComboBox(this)),
      m_from(new QDateEdit(today.addMonths(-1), this)), m_to(new QDateEdit(today, this)),
      m_table(new QTableView(this))
{
    setObjectName(QStringLiteral("journalView"));
    m_coder->setObjectName(QStringLiteral("journalCoderFilter"));
    m_coder->setPlaceholderText(tr("Coder: IP or name"));
    m_coder->setClearButtonEnabled(true);
    m_user->setObjectName(QStringLiteral("journalUserFilter"));
    m_user->addItem(tr("All users"), QString());
    m_action->setObjectName(QStringLiteral("journalActionFilter"));
    m_action->addItem(tr("All actions"), QString());
    for (QDateEdit *date : {m_from, m_to}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    m_from->setObjectName(QStringLiteral("journalFrom"));
    m_to->setObjectName(QStringLiteral("journalTo"));
    m_table->setObjectName(QStringLiteral("journalTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Widths from the font rather than from the lines, which may be many.
    const QFontMetrics metrics(font());
    const auto width = [&](const char *sample) {
        return metrics.horizontalAdvance(QLatin1String(sample)) + 16;
    };
    m_table->setColumnWidth(Number, width("000000"));
    m_table->setColumnWidth(Time, width("2026-12-08 13:00:00"));
    m_table->setColumnWidth(User, width("administrator"));
    m_table->setColumnWidth(Pc, width("line-pc-01"));
    m_table->setColumnWidth(Action, width("print parameters"));
    m_table->setColumnWidth(Coders, width("192.168.100.200 (Line 12)"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(m_coder, 2);
    filters->addWidget(m_user, 1);
    filters->addWidget(m_action, 1);
    filters->addWidget(new QLabel(tr("From"), this));
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("to"), this));
    filters->addWidget(m_to);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(filters);
    layout->addWidget(m_table);

    connect(m_coder, &QLineEdit::textChanged, this, &JournalView::applyFilter);
    connect(m_user, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &JournalView::applyFilter);
    connect(m_action, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &JournalView::applyFilter);
    connect(m_from, &QDateEdit::dateChanged, this, &JournalView::reload);
    connect(m_to, &QDateEdit::dateChanged, this, &JournalView::reload);
    reload();
}

JournalView::~JournalView() = default;

QAbstractItemModel *JournalView::model() const
{
    return m_model;
}

void JournalView::setDateRange(const QDate &from, const QDate &to)
{
    const QSignalBlocker a(m_from), b(m_to);
    m_from->setDate(from);
    m_to->setDate(to);
    reload();
}

void JournalView::reload()
{
    applyFilter();
    // A line's month file is its UTC month: a day either side of the local
    // dates is enough.
    const QString first = monthFile(m_from->date().addDays(-1));
    const QString last = monthFile(m_to->date().addDays(1));
    QVector<JournalModel::Entry> entries;
    forEachJournalLine(m_folder, first, last, [&](const JournalLine &line, const QString &) {
        const JournalModel::Entry entry = entryOf(line);
        if (entry.time.date() >= m_from->date() && entry.time.date() <= m_to->date()) {
            noteChoices(entry.user, entry.action);
            entries.append(entry);
        }
        return true;
    });
    m_model->setEntries(std::move(entries));
    m_table->scrollToBottom();
}

void JournalView::addLine(const QByteArray &bytes)
{
    const std::optional<JournalLine> line = JournalLine::parse(bytes);
    if (!line)
        return;
    const JournalModel::Entry entry = entryOf(*line);
    if (m_model->append(entry)) {
        noteChoices(entry.user, entry.action);
        m_table->scrollToBottom();
    }
}

void JournalView::noteChoices(const QString &user, const QString &action)
{
    if (m_user->findData(user) < 0)
        m_user->addItem(user, user);
    if (m_action->findData(action) < 0)
        m_action->addItem(actionText(action), action);
}

void JournalView::applyFilter()
{
    m_model->setFilter({m_coder->text().trimmed(), m_user->currentData().toString(),
                        m_action->currentData().toString(), m_from->date(), m_to->date()});
}
