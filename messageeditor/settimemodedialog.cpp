// SPDX-License-Identifier: GPL-3.0-or-later
#include "settimemodedialog.h"

#include "ui_settimemodedialog.h"

#include <algorithm>
#include <array>

namespace {

// The quick settings in list order.  The combo shows them translated; the
// format is always the pattern itself.
const char *const kQuickFormats[] = {"yyyy年",
                                     "yy年",
                                     "yyyy",
                                     "yyyy/MM",
                                     "yy/MM",
                                     "yyyy.MM",
                                     "yyyy年MM月",
                                     "yyyy/MM/dd",
                                     "yy/MM/dd",
                                     "yyyy-MM-dd",
                                     "yy-MM-dd",
                                     "yyyy年MM月dd日",
                                     "yyyyMMdd",
                                     "yyyy/MM/dd hh时",
                                     "yy/MM/dd  hh时",
                                     "yyyy/MM/dd  hh:mm",
                                     "yy/MM/dd  hh:mm",
                                     "yyyy/MM/dd hh:mm:ss",
                                     "yy/MM/dd hh:mm:ss",
                                     "yyyy-MM-dd hh:mm:ss",
                                     "yy-MM-dd hh:mm:ss",
                                     "yyyy年MM月dd日 hh时mm分ss秒",
                                     "hh:mm:ss",
                                     "dd.MM.yyyy",
                                     "hh:mm"};
constexpr int kQuickCount = int(sizeof(kQuickFormats) / sizeof(kQuickFormats[0]));

// What each part's entries put into the format, by combo index.  The part
// combo's last entry ("取消") and the suffix entries "取消" put nothing;
// "空格" is one space and "双空格" two.
struct partTable
{
    std::vector<const char *> patterns;
    std::vector<const char *> suffixes;
};

const std::array<partTable, 6> &partTables()
{
    static const std::array<partTable, 6> kTables = {{
        {{"yyyy", "yy"}, {"/", "-", ".", "年", " ", ""}},
        {{"MM"}, {"/", "-", ".", "月", " ", ""}},
        {{"dd"}, {"/", "-", ".", "日", " ", "  ", ""}},
        {{"hh"}, {":", "时", " "}},
        {{"mm"}, {":", "分", " "}},
        {{"ss"}, {"", "秒", " ", "  "}},
    }};
    return kTables;
}

} // namespace

setTimeModeDialog::setTimeModeDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::setTimeModeDialog>())
{
    ui->setupUi(this);
    // Any change of a part shows its result at once, so that what the
    // preview shows is what "确定" gives.
    for (QComboBox *combo :
         {ui->yearCombo, ui->monthCombo, ui->dayCombo, ui->hourCombo, ui->minuteCombo,
          ui->secondCombo, ui->yearSuffixCombo, ui->monthSuffixCombo, ui->daySuffixCombo,
          ui->hourSuffixCombo, ui->minuteSuffixCombo, ui->secondSuffixCombo})
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &setTimeModeDialog::compose);
    for (QSpinBox *spin : {ui->yearOrderSpin, ui->monthOrderSpin, ui->dayOrderSpin,
                           ui->hourOrderSpin, ui->minuteOrderSpin, ui->secondOrderSpin})
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &setTimeModeDialog::compose);
    // The initial parts compose the quick setting shown first, the time
    // item's default.
    m_format = QString::fromUtf8(kQuickFormats[ui->quickSettingCombo->currentIndex()]);
}

setTimeModeDialog::~setTimeModeDialog() = default;

QDateTime setTimeModeDialog::previewMoment()
{
    return QDateTime(QDate(2016, 7, 1), QTime(8, 30, 0));
}

void setTimeModeDialog::setFormat(const QString &format)
{
    m_format = format;
    showPreview();
}

void setTimeModeDialog::on_quickSettingCombo_activated(int index)
{
    if (index < 0 || index >= kQuickCount)
        return;
    m_format = QString::fromUtf8(kQuickFormats[index]);
    showPreview();
}

void setTimeModeDialog::on_previewPushButton_clicked()
{
    compose();
}

void setTimeModeDialog::on_okPushButton_clicked()
{
    accept();
}

void setTimeModeDialog::on_cancelPushButton_clicked()
{
    reject();
}

void setTimeModeDialog::compose()
{
    struct piece
    {
        int order;
        QString text;
    };
    const QComboBox *parts[] = {ui->yearCombo, ui->monthCombo,  ui->dayCombo,
                                ui->hourCombo, ui->minuteCombo, ui->secondCombo};
    const QComboBox *suffixes[] = {ui->yearSuffixCombo,   ui->monthSuffixCombo,
                                   ui->daySuffixCombo,    ui->hourSuffixCombo,
                                   ui->minuteSuffixCombo, ui->secondSuffixCombo};
    const QSpinBox *orders[] = {ui->yearOrderSpin, ui->monthOrderSpin,  ui->dayOrderSpin,
                                ui->hourOrderSpin, ui->minuteOrderSpin, ui->secondOrderSpin};
    std::vector<piece> pieces;
    for (int i = 0; i < 6; ++i) {
        const partTable &table = partTables()[i];
        const int part = parts[i]->currentIndex();
        const int suffix = suffixes[i]->currentIndex();
        QString text;
        // A part left out gets no suffix either.
        if (part >= 0 && part < int(table.patterns.size())) {
            text = QString::fromUtf8(table.patterns[part]);
            if (suffix >= 0 && suffix < int(table.suffixes.size()))
                text += QString::fromUtf8(table.suffixes[suffix]);
        }
        pieces.push_back({orders[i]->value(), text});
    }
    // Equal order numbers keep the year-to-second order.
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const piece &a, const piece &b) { return a.order < b.order; });
    m_format.clear();
    for (const piece &p : pieces)
        m_format += p.text;
    showPreview();
}

void setTimeModeDialog::showPreview()
{
    ui->formatLabel->setText(m_format);
    ui->previewLabel->setText(previewMoment().toString(m_format));
    // The quick setting row follows the format, blank when none holds it.
    int quick = -1;
    for (int i = 0; i < kQuickCount; ++i) {
        if (m_format == QString::fromUtf8(kQuickFormats[i]))
            quick = i;
    }
    ui->quickSettingCombo->setCurrentIndex(quick);
}
