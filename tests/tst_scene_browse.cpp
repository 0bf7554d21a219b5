// SPDX-License-Identifier: GPL-3.0-or-later
// The browser as a person steers it: where it starts, hidden entries, the
// filter and the sort keys reaching the rows, type-ahead that misses, a
// folder that changes or goes while open, one that never answers, and the
// names a screen reader hears.
#include "commandline.h"
#include "foldermodel.h"
#include "scenefixture.h"
#include "scenetools.h"

#include <QAccessible>
#include <QCollator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace SceneSteps;

namespace {

QQuickItem *row(int index)
{
    QQuickItem *delegate = nullptr;
    QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, delegate),
                              Q_ARG(int, index));
    return delegate;
}
// The names of the rows the list shows, in order.
QStringList shownNames()
{
    QStringList names;
    for (int index = 0; index < list()->property("count").toInt(); ++index)
        names << (row(index) ? row(index)->property("fileName").toString() : QString());
    return names;
}
QString accessible(QObject *item, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(item);
    return face ? face->text(text) : QString();
}
bool setModified(const QString &path, qint64 secondsAgo)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                            QFileDevice::FileModificationTime);
}

} // namespace

class TestSceneBrowse : public QObject
{
    Q_OBJECT

    Sandbox m_box;
    std::unique_ptr<RunningScene> m_scene;
    const QString m_steer = m_box.path("steer");

    void startScene()
    {
        if (!m_scene)
            m_scene = std::make_unique<RunningScene>(m_box);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_box.isValid());
        // Sizes and ages tell the sort keys apart.
        const struct
        {
            const char *name;
            int size;
            int age;
        } files[] = {{"a.txt", 10, 3000},
                     {"b.txt", 300, 1000},
                     {"C.md", 20, 5000},
                     {"e.png", 0, 4000},
                     {".h1", 1, 100}};
        for (const auto &file : files) {
            const QString path = m_steer + "/" + file.name;
            QVERIFY(
                m_box.write("steer/" + QString::fromLatin1(file.name), QByteArray(file.size, 'x')));
            QVERIFY(setModified(path, file.age));
        }
        QVERIFY(QDir().mkpath(m_steer + "/dir") && QDir().mkpath(m_steer + "/.hdir"));
    }

    void cleanupTestCase() { m_scene.reset(); }

    // Where a run starts, by what the settings remember ("@" the fixture)
    // and the path the command line asks for: "@/" the fixture itself, "~/"
    // home; notice: words the notice holds; chosen: the entry made current.
    void startFolder_data()
    {
        QTest::addColumn<QString>("remembered"); // empty: nothing stored
        QTest::addColumn<QString>("asked");      // empty: none on the command line
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first run") << QString() << QString() << "~/" << QString() << QString();
        QTest::newRow("remembered there")
            << "@/dir" << QString() << "@/dir" << QString() << QString();
        QTest::newRow("remembered gone") << "@/gone/deeper" << QString() << "@/"
                                         << "no longer exists" << QString();
        QTest::newRow("remembered unreadable") << "@/locked/inner" << QString() << "@/"
                                               << "cannot be read" << QString();
        QTest::newRow("remembered a file") << "@/a.txt" << QString() << "@/"
                                           << "cannot be read" << QString();
        QTest::newRow("asked a folder") << "@/"
                                        << "@/dir"
                                        << "@/dir/" << QString() << QString();
        QTest::newRow("asked a file") << "@/dir"
                                      << "@/a.txt"
                                      << "@/" << QString() << "a.txt";
        QTest::newRow("asked what is not there") << "@/dir"
                                                 << "@/gone/x"
                                                 << "@/"
                                                 << "does not exist" << QString();
    }
    void startFolder()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, asked);
        QFETCH(QString, start);
        QFETCH(QString, notice);
        QFETCH(QString, chosen);
        Sandbox box;
        const QString fixture = box.path("fixture");
        QVERIFY(QDir().mkpath(fixture + "/dir") && QDir().mkpath(fixture + "/locked/inner") &&
                box.write("fixture/a.txt", "a"));
        QFile::setPermissions(fixture + "/locked", {});
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(fixture + "/locked",
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (remembered.contains("locked") &&
            ::access(QFile::encodeName(fixture + "/locked/inner").constData(), R_OK | X_OK) == 0)
            QSKIP("Permissions do not hold here (running as root?)");
        remembered.replace("@", fixture);
        asked.replace("@", fixture);
        if (!remembered.isEmpty())
            QVERIFY(box.write("data/settings.json",
                              QJsonDocument(QJsonObject{{"lastFolder", remembered}}).toJson()));
        CommandLine::setRequestedPath(asked);
        const auto forget = qScopeGuard([] { CommandLine::setRequestedPath(QString()); });

        RunningScene scene(box);
        QVERIFY(browser());
        QTRY_COMPARE(browser()->property("folder").toString(),
                     start.replace("@", fixture).replace("~", QDir::homePath()));
        // The window came first: it was there before the folder was.
        const QString shown = browser()->property("notice").toString();
        // The reason's words are checked only in English; any language names the folder.
        if (QLocale().language() == QLocale::English || QLocale().language() == QLocale::C)
            QCOMPARE(shown.contains(notice) && !notice.isEmpty(), !notice.isEmpty());
        QCOMPARE(shown.isEmpty(), notice.isEmpty());
        if (!notice.isEmpty())
            QVERIFY2(shown.contains(asked.isEmpty() ? remembered : asked), qPrintable(shown));
        QCOMPARE(RunningScene::find(browser(), "startNotice")->isVisible(), !notice.isEmpty());
        if (!chosen.isEmpty())
            QTRY_COMPARE(currentName(), chosen);
    }

    // Steps: keys, "menu:" a command of the browser, "header:" a column
    // clicked, "filter:" text typed into the filter field.
    void steering_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("count"); // the filter's "n of m"
        const QStringList byName{"dir", "a.txt", "b.txt", "C.md", "e.png"};
        QTest::newRow("hidden stay hidden") << QStringList() << byName << "";
        QTest::newRow("Ctrl+H shows them")
            << QStringList{"Ctrl+H", "menu:hiddenLast"}
            << QStringList{"dir", "a.txt", "b.txt", "C.md", "e.png", ".hdir", ".h1"} << "";
        QTest::newRow("Ctrl+H twice") << QStringList{"Ctrl+H", "Ctrl+H"} << byName << "";
        QTest::newRow("by size") << QStringList{"Ctrl+Alt+2"}
                                 << QStringList{"dir", "e.png", "a.txt", "C.md", "b.txt"} << "";
        QTest::newRow("by date") << QStringList{"Ctrl+Alt+3"}
                                 << QStringList{"dir", "C.md", "e.png", "a.txt", "b.txt"} << "";
        // The files follow their type's words, in the person's language.
        QTest::newRow("by type") << QStringList{"Ctrl+Alt+4"} << (QStringList{"~type"} + byName)
                                 << "";
        QTest::newRow("by type, back to name")
            << QStringList{"menu:sortType", "Ctrl+Alt+1"} << byName << "";
        QTest::newRow("size header twice")
            << QStringList{"header:size", "header:size"}
            << QStringList{"dir", "b.txt", "C.md", "a.txt", "e.png"} << "";
        QTest::newRow("mixed, by size")
            << QStringList{"Ctrl+K", "Ctrl+Alt+2"}
            << QStringList{"dir", "e.png", "a.txt", "C.md", "b.txt"} << "";
        QTest::newRow("mixed, by name")
            << QStringList{"Ctrl+K"} << QStringList{"a.txt", "b.txt", "C.md", "dir", "e.png"} << "";
        QTest::newRow("filter, any case")
            << QStringList{"Ctrl+F", "filter:T"} << QStringList{"a.txt", "b.txt"} << "2 of 5";
        QTest::newRow("filter with /, by size descending")
            << QStringList{"/", "filter:.", "Ctrl+Alt+2", "Ctrl+R"}
            << QStringList{"b.txt", "C.md", "a.txt", "e.png"} << "4 of 5";
        QTest::newRow("filter among hidden") << QStringList{"Ctrl+H", "Ctrl+F", "filter:h"}
                                             << QStringList{".hdir", ".h1"} << "2 of 7";
        QTest::newRow("filter with no match")
            << QStringList{"Ctrl+F", "filter:zz"} << QStringList() << "0 of 5";
        QTest::newRow("Backspace edits the filter")
            << QStringList{"Ctrl+F", "filter:pn", "Backspace"} << QStringList{"e.png"} << "1 of 5";
        QTest::newRow("Escape clears the filter")
            << QStringList{"Ctrl+F", "filter:b", "Escape"} << byName << "";
    }
    // "~type" before names: their files reordered by the words the model
    // gives their types, folders ahead, names within one type kept in order.
    void steering()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, names);
        QFETCH(QString, count);
        const bool byTypeWords = !names.isEmpty() && names.first() == "~type";
        if (byTypeWords)
            names.removeFirst();
        startScene();
        // Every row starts from the choices a first run has.
        for (const auto &[key, value] : {std::pair<const char *, QVariant>{"sortBy", "name"},
                                         {"ascending", true},
                                         {"kindFirst", true},
                                         {"showHidden", false},
                                         {"hiddenLast", false}})
            QVERIFY(browser()->setProperty(key, value));
        QVERIFY(open(m_steer));
        QTRY_VERIFY(list()->hasActiveFocus());
        // The filter's field is made when the filter first opens.
        const auto field = [this] { return RunningScene::find(browser(), "filterField"); };
        for (const QString &step : steps) {
            if (step.startsWith("menu:")) {
                auto *command =
                    RunningScene::find<QObject>(browser(), qPrintable(step.mid(5) + "Command"));
                QVERIFY(command && QMetaObject::invokeMethod(command, "trigger"));
            } else if (step.startsWith("header:")) {
                auto *column =
                    RunningScene::find<QObject>(browser(), qPrintable("header_" + step.mid(7)));
                QVERIFY(column && QMetaObject::invokeMethod(column, "clicked"));
            } else if (step.startsWith("filter:")) {
                QTRY_VERIFY(field() && field()->hasActiveFocus());
                type(step.mid(7));
            } else {
                keys(step);
            }
        }
        if (byTypeWords) {
            QTRY_COMPARE(shownNames().size(), names.size());
            QCollator collator;
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            const auto typeWords = [this](const QString &name) {
                const int at = model()->indexOfPath(m_steer + "/" + name);
                const QVariantMap entry = model()->get(at);
                return entry.value("isDir").toBool() ? QString()
                                                     : entry.value("kindWords").toString();
            };
            QStringList words;
            for (const QString &name : names)
                words << typeWords(name);
            QVERIFY2(words.count(QString()) == 1, qPrintable(words.join('|'))); // dir alone
            std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
                return collator.compare(typeWords(a), typeWords(b)) < 0;
            });
        }
        QTRY_COMPARE(shownNames(), names);
        auto *counter = RunningScene::find(browser(), "filterCount");
        QCOMPARE(counter && counter->isVisible(), !count.isEmpty());
        if (!count.isEmpty())
            QCOMPARE(counter->property("text").toString(),
                     QCoreApplication::translate("Browser", "%1 of %2")
                         .arg(count.section(' ', 0, 0), count.section(' ', 2, 2)));
        if (steps.endsWith("Escape"))
            QTRY_VERIFY(list()->hasActiveFocus());
        keys("Escape"); // the filter goes for the next row
        QTRY_VERIFY(list()->hasActiveFocus());
    }

    // Typed quickly; the overlay shows the letters, and a miss says so
    // instead of staying silently on the partial match.
    void typeAhead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("missed");
        QTest::newRow("one letter") << "b"
                                    << "b.txt" << false;
        QTest::newRow("refined") << "c.m"
                                 << "C.md" << false;
        QTest::newRow("miss after a match") << "bx"
                                            << "b.txt" << true;
        QTest::newRow("miss at once") << "q"
                                      << "dir" << true;
    }
    void typeAhead()
    {
        QFETCH(QString, typed);
        QFETCH(QString, current);
        QFETCH(bool, missed);
        startScene();
        QVERIFY(open(m_box.path("")) && open(m_steer));
        QTRY_COMPARE(currentName(), QStringLiteral("dir"));
        QTest::qWait(1000); // what an earlier row typed is forgotten
        type(typed);
        QCOMPARE(currentName(), current);
        auto *shown = RunningScene::find(list(), "typedText");
        QVERIFY(shown->isVisible());
        QVERIFY(shown->property("text").toString().startsWith(typed));
        QCOMPARE(shown->property("color").value<QColor>() == QColor("#c0392b"), missed);
    }

    // A file made from outside shows without a word from the person, F5
    // reads again; the selection stays on its entry either way.
    void live_data()
    {
        QTest::addColumn<bool>("pressF5");
        QTest::newRow("watched") << false;
        QTest::newRow("F5") << true;
    }
    void live()
    {
        QFETCH(bool, pressF5);
        startScene();
        const QString name = pressF5 ? "live-f5" : "live-watch";
        const QString folder = m_box.path(name);
        // More rows than the window shows, so that the view has a place to keep.
        for (int i = 0; i < 200; ++i)
            QVERIFY(m_box.write(name + QString("/m%1.txt").arg(i, 3, 10, QChar('0')), "m"));
        QVERIFY(open(folder));
        QTRY_COMPARE(model()->count(), 200);
        QVERIFY(list()->setProperty("currentIndex", 139));
        QTRY_COMPARE(currentName(), QStringLiteral("m139.txt"));
        QVERIFY(QMetaObject::invokeMethod(list(), "positionViewAtIndex", Q_ARG(int, 139),
                                          Q_ARG(int, 1 /* ListView.Center */)));
        const qreal scrolled = list()->property("contentY").toReal();
        QVERIFY(scrolled > 0);
        QSignalSpy reloaded(model(), &FolderModel::reloaded);
        QVERIFY(m_box.write(name + "/a.txt", "a")); // lands above the selected row
        if (pressF5)
            keys("F5");
        QTRY_COMPARE_WITH_TIMEOUT(model()->count(), 201, 3000);
        QCOMPARE(model()->get(0).value("fileName").toString(), QStringLiteral("a.txt"));
        QVERIFY(reloaded.count() >= 1);
        QCOMPARE(currentName(), QStringLiteral("m139.txt"));
        QCOMPARE(list()->property("contentY").toReal(), scrolled);
    }

    // A folder deleted while open says so and offers Up.
    void gone()
    {
        startScene();
        const QString doomed = m_box.path("doomed");
        QVERIFY(m_box.write("doomed/x.txt", "x"));
        QVERIFY(open(doomed));
        QVERIFY(QDir(doomed).removeRecursively());
        auto *message = RunningScene::find(browser(), "emptyMessage");
        QTRY_COMPARE_WITH_TIMEOUT(
            message->property("text").toString(),
            QCoreApplication::translate("Browser", "This folder no longer exists"), 3000);
        QVERIFY(message->isVisible());
        auto *up = RunningScene::find<QObject>(browser(), "goneUp");
        QVERIFY(up && up->property("visible").toBool());
        QVERIFY(QMetaObject::invokeMethod(up, "clicked"));
        QTRY_COMPARE(browser()->property("folder").toString(), m_box.path("") + "/");
        QTRY_VERIFY(!message->isVisible());
        QVERIFY(!shownNames().contains("doomed"));
    }

    // A folder that never answers keeps its request behind the busy mark;
    // the window, Back and everything else keep working.
    void stalled()
    {
        startScene();
        // Shared, as the stalled reads outlive this function.
        auto release = std::make_shared<std::atomic_bool>(false);
        FolderModel::setReadHookForTesting([release](const QString &path) {
            while (path.endsWith("stalled") && !*release)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
        const auto unblock = qScopeGuard([release] {
            *release = true;
            FolderModel::setReadHookForTesting({});
        });
        QVERIFY(QDir().mkpath(m_box.path("stalled")));
        QVERIFY(open(m_steer));
        QVERIFY(QMetaObject::invokeMethod(browser(), "open", Q_ARG(QVariant, m_box.path("stalled")),
                                          Q_ARG(QVariant, true), Q_ARG(QVariant, QString())));
        auto *busy = RunningScene::find(browser(), "busyMark");
        QTRY_VERIFY(busy->property("running").toBool());
        // The old rows go after a moment rather than pass for the new folder's.
        QTRY_COMPARE(list()->property("count").toInt(), 0);
        keys("Alt+Left");
        QCOMPARE(browser()->property("folder").toString(), m_steer);
        QTRY_COMPARE(shownNames(), (QStringList{"dir", "a.txt", "b.txt", "C.md", "e.png"}));
        QTRY_VERIFY(!busy->property("running").toBool());
        keys("Alt+Right");
        QTRY_VERIFY(busy->property("running").toBool());
        keys("Alt+Up");
        QTRY_COMPARE(browser()->property("folder").toString(), m_box.path("") + "/");
        QTRY_VERIFY(shownNames().contains("steer"));
    }

    // Rows and buttons tell a screen reader what they are.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        // As the scene words it; a file by its type's words ("" here),
        // which the listing gives and sorting by type follows.
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("sized");
        QTest::newRow("folder") << "dir"
                                << "folder" << false;
        QTest::newRow("text") << "b.txt" << QString() << true;
        QTest::newRow("picture") << "e.png" << QString() << true;
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, sized);
        startScene();
        QVERIFY(open(m_steer));
        QTRY_VERIFY(shownNames().contains(name));
        QQuickItem *entry = row(int(shownNames().indexOf(name)));
        const QString kindText =
            kind.isEmpty()
                ? model()->get(int(shownNames().indexOf(name))).value("kindWords").toString()
                : QCoreApplication::translate("Browser", qPrintable(kind));
        QVERIFY(!kindText.isEmpty());
        QCOMPARE(accessible(entry, QAccessible::Name), name + ", " + kindText);
        const QString description = accessible(entry, QAccessible::Description);
        QVERIFY2(description.startsWith(name + ", " + kindText), qPrintable(description));
        // The size as the scene writes it, which holds the count in the locale's digits.
        const qint64 size = QFileInfo(m_steer + "/" + name).size();
        const QString sizeText = SceneTools().formatSize(double(size));
        QVERIFY2(!sized || sizeText.contains(QLocale().toString(size)), qPrintable(sizeText));
        QVERIFY2(description.contains(sizeText) == sized, qPrintable(description));
        // Made minutes ago in this fixture, and said so; a run just after
        // midnight made some of it yesterday.
        const bool madeToday =
            QFileInfo(m_steer + "/" + name).lastModified().date() == QDate::currentDate();
        const QString day =
            QCoreApplication::translate("Browser", madeToday ? "today %1" : "yesterday %1")
                .section('%', 0, 0);
        QVERIFY2(description.contains(day), qPrintable(description));

        // Every visible button of the browser has a name with a word in it.
        static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
        int buttons = 0;
        for (QQuickItem *item : browser()->findChildren<QQuickItem *>()) {
            if (!item->inherits("QQuickAbstractButton") || !item->isVisible() ||
                item->inherits("QQuickItemDelegate"))
                continue;
            ++buttons;
            const QString said = accessible(item, QAccessible::Name);
            QVERIFY2(word.match(said).hasMatch(),
                     qPrintable(item->objectName() + ": \"" + said + "\""));
        }
        QVERIFY(buttons >= 6); // the tool bar's and the column header's
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestSceneBrowse test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_browse.moc"
