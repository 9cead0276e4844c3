// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpreviewdialog.h"

#include "clock.h"
#include "graphicsscene.h"
#include "graphicsshiftcodeitem.h"
#include "graphicsview.h"
#include "printpreview.h"
#include "printtimeline.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kChangeCount = 10;
constexpr int kYears = 5;
const QString kMomentFormat = QStringLiteral("yyyy-MM-dd HH:mm");

enum Column { WhenColumn, BoundaryColumn, FieldColumn, BeforeColumn, AfterColumn };

} // namespace

PrintPreviewDialog::PrintPreviewDialog(GraphicsScene *source, QWidget *parent)
    : QDialog(parent), m_source(source), m_scene(std::make_unique<GraphicsScene>()),
      m_preview(std::make_unique<PrintPreview>(*m_scene)), m_at(new QDateTimeEdit(this)),
      m_shift(new QComboBox(this)), m_count(new QSpinBox(this)), m_view(new GraphicsView(this)),
      m_changes(new QTreeWidget(this)), m_pace(new QLabel(this))
{
    setWindowTitle(tr("Preview at"));
    setObjectName(QStringLiteral("PrintPreviewDialog"));

    auto *choices = new QHBoxLayout;
    choices->addWidget(new QLabel(tr("Preview at"), this));
    m_at->setObjectName(QStringLiteral("momentEdit"));
    m_at->setDisplayFormat(kMomentFormat);
    m_at->setCalendarPopup(true);
    m_at->setDateTime(Clock::now());
    choices->addWidget(m_at);
    choices->addWidget(new QLabel(tr("Shift"), this));
    m_shift->setObjectName(QStringLiteral("shiftComboBox"));
    choices->addWidget(m_shift);
    choices->addWidget(new QLabel(tr("Count"), this));
    m_count->setObjectName(QStringLiteral("countSpinBox"));
    // Below 0: each counter's own value, as it stands now.
    m_count->setRange(-1, 99999999);
    m_count->setSpecialValueText(tr("as now"));
    m_count->setValue(-1);
    choices->addWidget(m_count);
    auto *now = new QPushButton(tr("Now"), this);
    choices->addWidget(now);
    auto *again = new QPushButton(tr("Refresh"), this);
    again->setToolTip(tr("Copy the designer's message again"));
    choices->addWidget(again);
    choices->addStretch(1);

    m_view->setScene(m_scene.get());
    m_view->setupMessageView();
    m_view->setMinimumHeight(200);
    m_view->setMaximumHeight(QWIDGETSIZE_MAX);
    m_view->setDragMode(QGraphicsView::NoDrag);

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(tr("Next changes of the printed text"), side));
    m_changes->setObjectName(QStringLiteral("changeList"));
    m_changes->setHeaderLabels(
        {tr("When"), tr("Boundary"), tr("Field"), tr("Before"), tr("After")});
    m_changes->setRootIsDecorated(false);
    m_changes->setSelectionMode(QAbstractItemView::NoSelection);
    sideLayout->addWidget(m_changes);
    m_pace->setObjectName(QStringLiteral("paceLabel"));
    m_pace->setWordWrap(true);
    sideLayout->addWidget(m_pace);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_view);
    split->addWidget(side);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({520, 660});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(split, 1);

    connect(m_at, &QDateTimeEdit::dateTimeChanged, this, &PrintPreviewDialog::redraw);
    connect(m_count, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PrintPreviewDialog::redraw);
    connect(m_shift, QOverload<int>::of(&QComboBox::activated), this,
            &PrintPreviewDialog::shiftChosen);
    connect(now, &QPushButton::clicked, this, [this] { setMoment(Clock::now()); });
    connect(again, &QPushButton::clicked, this, &PrintPreviewDialog::refresh);
    resize(1180, 460);
    refresh();
}

PrintPreviewDialog::~PrintPreviewDialog()
{
    m_view->setScene(nullptr);
}

QDateTime PrintPreviewDialog::moment() const
{
    return m_at->dateTime();
}

void PrintPreviewDialog::setMoment(const QDateTime &moment)
{
    // The editor shows minutes; the moment keeps its kind of time (local, UTC, an offset).
    m_at->setTimeSpec(moment.timeSpec());
    m_at->setDateTime(moment);
    redraw();
}

void PrintPreviewDialog::setCount(int count)
{
    m_count->setValue(count);
}

QString PrintPreviewDialog::paceText() const
{
    return m_pace->text();
}

void PrintPreviewDialog::refresh()
{
    if (m_source)
        m_preview->copyFrom(*m_source);
    fillShifts();
    redraw();
}

// The shifts of the message's shift codes, each choosing its start time.
void PrintPreviewDialog::fillShifts()
{
    const QSignalBlocker blocker(m_shift);
    m_shift->clear();
    m_shift->addItem(tr("(by the time)"));
    for (QGraphicsItem *item : m_scene->items(Qt::AscendingOrder)) {
        if (item->type() != ItemTypeCode::kShiftCode)
            continue;
        for (const GraphicsShiftCodeItem::Shift &s :
             static_cast<GraphicsShiftCodeItem *>(item)->shiftTable()) {
            if (s.start.isValid())
                m_shift->addItem(
                    tr("%1 from %2").arg(s.code, s.start.toString(QStringLiteral("HH:mm"))),
                    s.start);
        }
    }
    m_shift->setEnabled(m_shift->count() > 1);
}

void PrintPreviewDialog::shiftChosen(int index)
{
    const QTime start = m_shift->itemData(index).toTime();
    if (start.isValid())
        setMoment(QDateTime(moment().date(), start, moment().timeSpec()));
}

void PrintPreviewDialog::redraw()
{
    m_preview->showAt(moment(), m_count->value());
    m_view->viewport()->update();
    listChanges();
}

void PrintPreviewDialog::listChanges()
{
    const PrintTimeline timeline(*m_scene);
    m_changes->clear();
    const QDateTime from = moment();
    for (const PrintTimeline::Change &change : timeline.nextChanges(from, kChangeCount, kYears)) {
        bool first = true;
        for (const PrintTimeline::FieldChange &field : change.fields) {
            auto *row = new QTreeWidgetItem(m_changes);
            if (first) {
                row->setText(WhenColumn, change.at.toString(kMomentFormat));
                row->setText(BoundaryColumn, PrintTimeline::boundaryText(change.boundaries));
            }
            row->setText(FieldColumn, timeline.fieldName(field.field));
            row->setToolTip(FieldColumn, timeline.fieldName(field.field));
            row->setText(BeforeColumn, field.before);
            row->setText(AfterColumn, field.after);
            first = false;
        }
    }
    for (int column = 0; column < m_changes->columnCount(); ++column)
        m_changes->resizeColumnToContents(column);
    // A field's name carries its format: cut short, whole in the tool tip,
    // so that the texts before and after stay in view.
    m_changes->setColumnWidth(FieldColumn, qMin(m_changes->columnWidth(FieldColumn), 110));

    QStringList paced[3];
    for (int i = 0; i < timeline.fieldCount(); ++i) {
        const PrintTimeline::Pace pace = timeline.pace(i);
        if (pace != PrintTimeline::Pace::Day)
            paced[int(pace) - 1] << timeline.fieldName(i);
    }
    QStringList lines;
    if (!paced[0].isEmpty())
        lines << tr("Changes every hour: %1").arg(paced[0].join(QStringLiteral(", ")));
    if (!paced[1].isEmpty())
        lines << tr("Changes every minute: %1").arg(paced[1].join(QStringLiteral(", ")));
    if (!paced[2].isEmpty())
        lines << tr("Changes every second: %1").arg(paced[2].join(QStringLiteral(", ")));
    if (m_changes->topLevelItemCount() == 0 && lines.isEmpty())
        lines << tr("Nothing in the message changes with the date within %n year(s).", nullptr,
                    kYears);
    m_pace->setText(lines.join(QLatin1Char('\n')));
}
