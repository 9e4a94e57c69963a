#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "info_windows/links.h"
#include "main_window/form1.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using app::WindowId;

class TestInfo : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    QString m_dir; // the running test's stand-in browsers: the only place on PATH
    QByteArray m_path;
    QString m_sleep;

    // Each start of a stand-in appends its name and arguments to a log, then it keeps running
    // until the test releases it (or 10 s pass), so a click that waited for it would hang; then
    // it exits with the given status.
    void useBrowsers(const QStringList &names, int exitCode = 0)
    {
        static int count = 0;
        m_dir = m_root.filePath(QString::number(++count));
        QDir().mkpath(m_dir);
        const QString script =
            "#!/bin/sh\n{ printf '%s|' \"${0##*/}\" \"$@\"; echo; } >> '%1/log'\n"
            "n=0; while [ -d '%1' ] && [ ! -e '%1/release' ] && [ $n -lt 200 ]; "
            "do %2 0.05; n=$((n+1)); done\nexit %3\n";
        for (const QString &name : names) {
            QFile file(m_dir + '/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(script.arg(m_dir, m_sleep, QString::number(exitCode)).toUtf8());
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_dir.toUtf8());
    }
    void releaseBrowsers() { QFile(m_dir + "/release").open(QIODevice::WriteOnly); }
    QStringList started()
    {
        QFile log(m_dir + "/log");
        return log.open(QIODevice::ReadOnly)
                   ? QString(log.readAll()).split('\n', Qt::SkipEmptyParts)
                   : QStringList();
    }
    static QWidget *control(WindowId id, const QString &name)
    {
        app::showWindow(id);
        return testing::control<QWidget>(app::loadWindow(id), name.toLatin1());
    }

private slots:
    void initTestCase()
    {
        testing::setUpProgram();
        m_path = qgetenv("PATH");
        m_sleep = QStandardPaths::findExecutable("sleep");
    }
    void init()
    {
        testing::resetProgram();
        useBrowsers({});
        app::show<Form1>();
    }
    void cleanup() { releaseBrowsers(); }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void instructionsKeepTheirLineBreaks()
    {
        const QString text = control(WindowId::Help, "Label1")->property("text").toString();
        QCOMPARE(text.split("\r\n").size(), 4);
        QVERIFY(text.startsWith("1.Отметить мышью относящиеся к пациенту данные.\r\n2.Нажать "
                                "\"расчет\"\r\nВ случае, если"));
        QVERIFY(
            text.endsWith("действие \"копировать\". Формула будет скопирована в буфер обмена."));
        QVERIFY(control(WindowId::Help, "Label19")->property("text").toString().endsWith(":\r\n"));
    }

    void clickClosesOrNot_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("closes");
        const auto rows = [](WindowId id, const QString &names, bool closes) {
            for (const QString &name : names.split(' '))
                QTest::addRow("%d %s", int(id), qPrintable(name)) << int(id) << name << closes;
        };
        rows(WindowId::Help, "Label1 Label3", true);
        rows(WindowId::Help,
             "Label19 Label2 Text1 Shape1 Label4 Label5 Label6 Label8 Label9 "
             "Label10 Label11 Label12 Label13 Label14 Label7 Label15 Label16 Label17",
             false);
        rows(WindowId::About, "Image1 Image2 Image4 Label1 Label2 Label3 Label4 Label6 Label7",
             true);
        rows(WindowId::About, "Label5 Label8 Text1 Text2 Shape4", false);
    }
    void clickClosesOrNot()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QFETCH(bool, closes);
        testing::click(control(WindowId(window), name));
        testing::settle();
        QCOMPARE(app::loadedWindow(WindowId(window)) == nullptr, closes);
        QVERIFY(app::isLoaded<Form1>());
        QCOMPARE(testing::endCount(), 0);
        QVERIFY(testing::messages().isEmpty() && started().isEmpty());
    }

    void linkOpensPage_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("started");
        const QString chromium = "--new-window|--window-position=0,0|--window-size=400,400|";
        const QString centre = links::medicalCentreHome;
        QTest::newRow("logo") << int(WindowId::About) << "Image3" << QStringList{"chromium"}
                              << "chromium|" + chromium + centre + '|';
        QTest::newRow("address box") << int(WindowId::About) << "Text3" << QStringList{"chromium"}
                                     << "chromium|" + chromium + links::phlebologySiteHome + '|';
        QTest::newRow("schedule") << int(WindowId::Help) << "Label18" << QStringList{"chromium"}
                                  << "chromium|" + chromium + links::trainingPage + '|';
        QTest::newRow("firefox before opener")
            << int(WindowId::About) << "Image3" << QStringList{"xdg-open", "firefox"}
            << "firefox|--width|400|--height|400|--new-window|" + centre + '|';
    }
    void linkOpensPage()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QFETCH(QStringList, found);
        QFETCH(QString, started);
        useBrowsers(found);
        QElapsedTimer clock;
        clock.start();
        testing::click(control(WindowId(window), name));
        QVERIFY(clock.elapsed() < 3000); // the first browser is still running
        QTRY_COMPARE(this->started(), QStringList{started});
        testing::click(control(WindowId(window), name));
        QTRY_COMPARE(this->started(), QStringList({started, started}));
        testing::settle();
        QVERIFY(app::loadedWindow(WindowId(window)) && testing::messages().isEmpty());
    }

    // The second press of a double-click is no new click: one browser starts.
    void doubleClickOpensOnePage_data() { linkOpensPage_data(); }
    void doubleClickOpensOnePage()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QFETCH(QStringList, found);
        QFETCH(QString, started);
        useBrowsers(found);
        testing::doubleClick(control(WindowId(window), name));
        QTRY_VERIFY(!this->started().isEmpty());
        QTest::qWait(300); // time enough for a second browser to log its start
        QCOMPARE(this->started(), QStringList{started});
        testing::settle();
        QVERIFY(app::loadedWindow(WindowId(window)) && testing::messages().isEmpty());
    }

    // The desktop's opener tells only by its exit status whether a page opened; it may report
    // after the window of the link is closed.
    void openerFailureSaysSo_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("fails") << 1 << false;
        QTest::newRow("fails after the window closed") << 1 << true;
        QTest::newRow("succeeds") << 0 << false;
    }
    void openerFailureSaysSo()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, closeFirst);
        useBrowsers({"xdg-open"}, exitCode);
        testing::click(control(WindowId::About, "Image3"));
        QTRY_COMPARE(started(), QStringList{"xdg-open|" + QString(links::medicalCentreHome) + '|'});
        if (closeFirst)
            app::unload<Form2>();
        testing::settle();
        QVERIFY(testing::messages().isEmpty()); // the opener is still running
        releaseBrowsers();
        const QStringList said =
            exitCode ? QStringList{"Ошибка! Не удалось запустить веб-браузер."} : QStringList();
        QTRY_COMPARE(testing::messages(), said);
        QTest::qWait(300); // time enough for a late report
        testing::settle();
        QCOMPARE(testing::messages(), said);
        QCOMPARE(app::isLoaded<Form2>(), !closeFirst);
        QVERIFY(app::isLoaded<Form1>());
        QCOMPARE(testing::endCount(), 0);
    }

    void noBrowserSaysSoAndGoesOn()
    {
        for (auto [window, name] : {std::pair{WindowId::About, "Image3"},
                                    {WindowId::About, "Text3"},
                                    {WindowId::Help, "Label18"}})
            testing::click(control(window, name));
        testing::settle();
        QCOMPARE(testing::messages(), QStringList(3, "Ошибка! Не удалось запустить веб-браузер."));
        QVERIFY(app::isLoaded<Form1>() && app::isLoaded<Form2>() && app::isLoaded<Form3>());
        QCOMPARE(testing::endCount(), 0);
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
