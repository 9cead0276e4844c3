// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtext.h"
#include "editwidget.h"
#include "interfacelanguage.h"
#include "parameterchanges.h"
#include "roles.h"
#include "stationsettings.h"
#include "stationwindow.h"
#include "userstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

namespace {

// Words in Latin letters that read the same in Russian and Arabic: units,
// product and protocol names.
const QSet<QString> kSameInEveryLanguage = {QStringLiteral("IP"),     QStringLiteral("mm"),
                                            QStringLiteral("min"),    QStringLiteral("dpi"),
                                            QStringLiteral("PPR"),    QStringLiteral("Korvex"),
                                            QStringLiteral("Control")};

QString plain(const QString &text)
{
    QString out = text;
    out.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return out;
}

// Every text the operator can see on the widget: labels, buttons, group and
// tab titles, placeholders, list entries, menu entries.
QStringList textsOf(QWidget *widget)
{
    QStringList texts;
    if (auto *label = qobject_cast<QLabel *>(widget))
        texts << plain(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        texts << button->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        texts << group->title();
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        texts << line->placeholderText();
    if (auto *dock = qobject_cast<QDockWidget *>(widget))
        texts << dock->windowTitle();
    // Font names are names.
    if (qobject_cast<QComboBox *>(widget) && !qobject_cast<QFontComboBox *>(widget)) {
        auto *combo = qobject_cast<QComboBox *>(widget);
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    if (auto *menu = qobject_cast<QMenu *>(widget)) {
        for (QAction *action : menu->actions())
            texts << action->text();
    }
    return texts;
}

// The texts of the window left in English: words of Latin letters that are
// not a name or unit.
QStringList english(QWidget *window)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList found;
    const auto check = [&](QWidget *widget) {
        for (const QString &text : textsOf(widget)) {
            auto words = word.globalMatch(text);
            while (words.hasNext()) {
                if (!kSameInEveryLanguage.contains(words.next().captured())) {
                    found << QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text);
                    break;
                }
            }
        }
    };
    check(window);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window) || qobject_cast<QMenu *>(widget))
            check(widget);
    }
    return found;
}

} // namespace

class TestWindowLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void languageFromSettings();
    void window_data();
    void window();
    void parameterWordsStayOutOfTheJournal();
    void textsOutsideWidgets();
};

void TestWindowLanguage::choice_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("problem");
    QTest::newRow("set") << "ru"
                         << "en_US"
                         << "ru" << false;
    QTest::newRow("desktop korean") << ""
                                    << "ko_KR"
                                    << "kr" << false;
    QTest::newRow("desktop brazil") << ""
                                    << "pt_BR"
                                    << "pt" << false;
    QTest::newRow("desktop turkey") << ""
                                    << "tr_TR"
                                    << "turkish" << false;
    QTest::newRow("desktop china") << ""
                                   << "zh_CN"
                                   << "cn" << false;
    QTest::newRow("desktop spain") << ""
                                   << "es_ES"
                                   << "esp" << false;
    QTest::newRow("no catalogue: source texts") << ""
                                                << "de_DE"
                                                << "" << false;
    QTest::newRow("unknown name: the desktop's") << "klingon"
                                                 << "ar_EG"
                                                 << "arabic" << true;
    QTest::newRow("locale code is no name") << "ru_RU"
                                            << "it_IT"
                                            << "ita" << true;
}

void TestWindowLanguage::choice()
{
    QFETCH(QString, configured);
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    QFETCH(bool, problem);
    const InterfaceLanguage::Choice choice = InterfaceLanguage::choose(configured, QLocale(locale));
    QCOMPARE(choice.name, chosen);
    QCOMPARE(!choice.problem.isEmpty(), problem);
    if (problem)
        QVERIFY2(choice.problem.contains(configured), qPrintable(choice.problem));
    // Every name chosen has a catalogue compiled into the program.
    if (!chosen.isEmpty()) {
        QString why;
        const std::unique_ptr<QTranslator> translator = InterfaceLanguage::install(chosen, &why);
        QVERIFY2(translator, qPrintable(why));
        QVERIFY(!translator->isEmpty());
        QCoreApplication::removeTranslator(translator.get());
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }
}

void TestWindowLanguage::languageFromSettings()
{
    const QString path = QStringLiteral("language.conf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[server]\nport=64032\n[window]\nlanguage = turkish \n");
    file.close();
    StationSettings settings(path);
    QStringList errors;
    QVERIFY(settings.load(true, &errors));
    QCOMPARE(settings.language(), QStringLiteral("turkish"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[server]\nport=64032\n");
    file.close();
    QVERIFY(settings.load(true, &errors));
    QCOMPARE(settings.language(), QString());
}

void TestWindowLanguage::window_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("russian") << "ru" << Qt::LeftToRight;
    QTest::newRow("arabic") << "arabic" << Qt::RightToLeft;
}

void TestWindowLanguage::window()
{
    QFETCH(QString, language);
    QFETCH(Qt::LayoutDirection, direction);
    QString problem;
    std::unique_ptr<QTranslator> translator = InterfaceLanguage::install(language, &problem);
    QVERIFY2(translator, qPrintable(problem));
    const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
    {
        StationWindow window;
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QApplication::layoutDirection(), direction);
        QCOMPARE(window.layoutDirection(), direction);
        // Each tab in turn, so that the designer's panels are looked at too.
        QStringList left;
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
            if (!tabs->isVisibleTo(&window))
                continue;
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                left << english(&window);
            }
        }
        left << english(&window);
        // The designer, as "New" opens it.
        EditWidget designer(QString(), EditWidget::ModeNew, &window);
        designer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&designer));
        QCOMPARE(designer.layoutDirection(), direction);
        for (QTabWidget *tabs : designer.findChildren<QTabWidget *>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                left << english(&designer);
            }
        }
        left.removeDuplicates();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("\n"))));
    }
    QCoreApplication::removeTranslator(translator.get());
}

// The journal keeps the field table's words whatever the interface
// language; the event log's and the journal view's text is translated.
void TestWindowLanguage::parameterWordsStayOutOfTheJournal()
{
    QString problem;
    std::unique_ptr<QTranslator> translator =
        InterfaceLanguage::install(QStringLiteral("ru"), &problem);
    QVERIFY2(translator, qPrintable(problem));
    PrintParameters before;
    PrintParameters after;
    after.lineSpeed = 45;
    after.sprayMode = 2;
    const QList<ParameterChange> changes = parameterChanges(before, after);
    QCoreApplication::removeTranslator(translator.get());
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).field, QStringLiteral("spray mode"));
    QCOMPARE(changes.at(0).after, QStringLiteral("right"));
    QCOMPARE(changes.at(1).field, QStringLiteral("line speed"));
    QCOMPARE(changes.at(1).unit, QStringLiteral("m/min"));
    QCoreApplication::installTranslator(translator.get());
    QCOMPARE(changes.at(0).text(), QStringLiteral("режим печати слева → справа"));
    QCOMPARE(changes.at(1).text(), QStringLiteral("скорость линии 0 → 45 m/min"));
    QCoreApplication::removeTranslator(translator.get());
}

// Texts worded outside a widget look their catalogue up under a context of
// their own; each must be the one the catalogue lists them under.
void TestWindowLanguage::textsOutsideWidgets()
{
    QString problem;
    std::unique_ptr<QTranslator> translator =
        InterfaceLanguage::install(QStringLiteral("ru"), &problem);
    QVERIFY2(translator, qPrintable(problem));
    const QList<QPair<QString, QString>> worded = {
        {CommandText::coders({}), QStringLiteral("ни одного маркиратора")},
        {Roles::displayName(Role::Supervisor), QStringLiteral("Мастер")},
        {Roles::permissionText(Permission::Start), QStringLiteral("запускать")},
        {UserStore::nameProblem(QString()),
         QStringLiteral("Имя пользователя не может быть пустым.")},
        {InterfaceLanguage::choose(QStringLiteral("xx"), QLocale(QLocale::C)).problem.left(30),
         QStringLiteral("[window] language «xx» не из с")},
    };
    QCoreApplication::removeTranslator(translator.get());
    for (const auto &pair : worded)
        QCOMPARE(pair.first, pair.second);
}

QTEST_MAIN(TestWindowLanguage)
#include "tst_windowlanguage.moc"
