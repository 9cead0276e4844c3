// SPDX-License-Identifier: GPL-3.0-or-later
#include "mytexteditor.h"
#include "ui_mytexteditor.h"

#include "editorlog.h"

#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOption>

MyTextEditor::MyTextEditor(QLineEdit *target, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::MyTextEditor>()), m_target(target)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(
        QStringLiteral("QWidget#MyTextEditor{background-color:rgb(39,37,42);border-radius:5px;}"));
}

MyTextEditor::~MyTextEditor() = default;

MyTextEditor *MyTextEditor::open(QLineEdit *target)
{
    QWidget *window = target->window();
    auto *editor = new MyTextEditor(target, window);
    editor->setGeometry((window->width() - kWidth) / 2, kTop, kWidth, kHeight);
    for (const QString &line : splitContent(target->text()))
        editor->ui->textEdit->append(line);
    editor->show();
    editor->raise();
    editor->ui->textEdit->setFocus();
    return editor;
}

QStringList MyTextEditor::splitContent(const QString &text)
{
    if (!text.startsWith(QLatin1Char('[')))
        return {text};
    QStringList lines;
    for (const QString &part : text.split(QLatin1Char('['), Qt::SkipEmptyParts))
        lines << QLatin1Char('[') + part;
    return lines;
}

QString MyTextEditor::joinContent(const QString &text)
{
    static const QRegularExpression whiteSpace(QStringLiteral("\\s"));
    return text.simplified().remove(whiteSpace);
}

void MyTextEditor::paintEvent(QPaintEvent *)
{
    // A plain QWidget subclass draws no style sheet background by itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void MyTextEditor::on_okBtn_clicked()
{
    const QString text = joinContent(ui->textEdit->toPlainText());
    qCDebug(lcEditor) << "text:" << text;
    if (m_target)
        m_target->setText(text);
    close();
}

void MyTextEditor::on_CancelBtn_clicked()
{
    close();
}
