// SPDX-License-Identifier: GPL-3.0-or-later
// Managing files as a person does it in the running scene: choosing
// several entries with the keys, cutting, copying and pasting them through
// the system clipboard, answering the question a taken name asks, and
// dropping entries on a folder. Checked on disk and in what is shown.
#include "foldermodel.h"
#include "folderstatus.h"
#include "job.h"
#include "jobqueue.h"
#include "scenefixture.h"
#include "scenetools.h"
#include "scratchmount.h"
#include "shownnames.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMimeData>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QtTest>

#include <memory>

namespace {

using namespace SceneSteps;

QQuickItem *row(const QString &name)
{
    const int index = model()->indexOfPath(browser()->property("folder").toString() + "/" + name);
    QQuickItem *delegate = nullptr;
    QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, delegate),
                              Q_ARG(int, index));
    return delegate;
}
// Opens folder and waits until the list has it and the keyboard.
bool openFocused(const QString &folder)
{
    return open(folder) && QTest::qWaitFor([] { return list()->hasActiveFocus(); });
}
QStringList names(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
QString text(const char *objectName)
{
    QQuickItem *item = RunningScene::find(RunningScene::scene(), objectName);
    return item && item->isVisible() ? item->property("text").toString() : QString();
}
QQuickItem *panel()
{
    return RunningScene::find(RunningScene::scene(), "jobsPanel");
}
// The items of that name the jobs panel shows: its rows are items the
// panel draws, not objects it owns.
QList<QQuickItem *> inPanel(const char *objectName, const QQuickItem *in = panel())
{
    QList<QQuickItem *> found;
    for (QQuickItem *item : in->childItems()) {
        if (!item->isVisible() || item->height() <= 0)
            continue;
        if (item->objectName() == QLatin1String(objectName))
            found << item;
        found << inPanel(objectName, item);
    }
    return found;
}
QStringList shown(const char *objectName)
{
    QStringList texts;
    for (const QQuickItem *item : inPanel(objectName))
        texts << item->property("text").toString();
    return texts;
}
bool click(const QList<QQuickItem *> &items)
{
    if (items.size() != 1)
        return false;
    QQuickItem *item = items.first();
    QTest::mouseClick(window(), Qt::LeftButton, {},
                      item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
    return true;
}
// The panel takes room inside the window, above its bottom edge.
bool panelInSight()
{
    return panel()->isVisible() && panel()->height() > 0 &&
           panel()->mapToScene(QPointF(0, panel()->height())).y() <= window()->height();
}
// A text of the scene with three as its number, as the person reads it.
QString tr3(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source, nullptr, 3);
}
QRgb drawn(QQuickItem *row)
{
    const QImage picture = window()->grabWindow();
    const QPointF at = row->mapToScene(QPointF(row->width() - 4, row->height() / 2));
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixel(int(at.x() * ratio), int(at.y() * ratio));
}

// A move held until the test lets it go: at an entry, then waiting for the
// disk, as onto a slow stick.
struct HeldMove : Job::Worker
{
    HeldMove(const QString &path, const std::atomic_int *step) : path(path), step(step) {}
    Job::Kind kind() const override { return Job::Move; }
    int itemCount() const override { return 1; }
    QString title() const override { return QStringLiteral("held"); }
    QString outcome(Job::State, const Job::Summary &) const override { return "let go"; }
    void count(Job::Control &control, int) const override { control.addToTotal(3, 1); }
    void run(Job::Control &control, int) override
    {
        control.setCurrent(path);
        while (*step < 1)
            QThread::msleep(5);
        control.setFlushing(true);
        while (*step < 2)
            QThread::msleep(5);
        control.setFlushing(false);
        control.itemDone();
    }
    const QString path;
    const std::atomic_int *step;
};

} // namespace

class TestSceneManage : public QObject
{
    Q_OBJECT

    Sandbox m_box;
    std::unique_ptr<RunningScene> m_scene;
    const QString m_src = m_box.path("src");
    const QString m_dst = m_box.path("dst");

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_box.isValid());
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            QVERIFY(m_box.write("src/" + QString::fromLatin1(name), QByteArray(1500, name[0])));
        QVERIFY(QDir().mkpath(m_src + "/sub") && QDir().mkpath(m_dst));
        m_scene = std::make_unique<RunningScene>(m_box);
        QVERIFY(openFocused(m_src));
    }
    void cleanupTestCase() { m_scene.reset(); }

    // Shift+arrows choose more; the rows look chosen and the status says
    // how many and how much; Ctrl+C puts them on the clipboard, Ctrl+V
    // pastes them as a copy; a second paste asks, and "Keep both" for all
    // keeps both.
    void copyAndPaste()
    {
        keys("Home"); // the folder "sub" comes first
        keys("Down");
        keys("Shift+Down");
        keys("Shift+Down");
        QTRY_VERIFY(row("c.txt") && row("c.txt")->property("highlighted").toBool());
        QVERIFY(row("a.txt")->property("highlighted").toBool());
        QVERIFY(!row("sub")->property("highlighted").toBool());
        QVERIFY(drawn(row("a.txt")) != drawn(row("sub")));
        QCOMPARE(drawn(row("a.txt")), drawn(row("c.txt")));
        // Three files of 1500 bytes, in the words of the person's language.
        QCOMPARE(text("selectionStatus"), FolderStatus::selectionText(3, 4500));

        keys("Ctrl+C");
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(QString::fromUtf8(data->data("text/uri-list")).count("file://"), 3);
        QVERIFY(data->data("x-special/gnome-copied-files").startsWith("copy\n"));
        QCOMPARE(data->data("application/x-kde-cutselection"), QByteArray("0"));

        QVERIFY(openFocused(m_dst));
        auto *paste = RunningScene::find<QObject>(browser(), "pasteCommand");
        QVERIFY(paste);
        QCOMPARE(paste->property("text").toString(), tr3("Browser", "Paste %n entries"));
        keys("Ctrl+V");
        QTRY_COMPARE(names(m_dst), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QCOMPARE(QFile(m_dst + "/b.txt").size(), 1500);

        QCOMPARE(names(m_src), (QStringList{"a.txt", "b.txt", "c.txt", "sub"}));

        // The finished paste says what it did until it is dismissed.
        QTRY_COMPARE(shown("jobTitle"), QStringList{tr3("Transfer", "Copied %n entries.")});
        QVERIFY(panelInSight());
        QVERIFY(click(inPanel("jobDismiss")));
        QTRY_VERIFY(!panel()->isVisible());

        // Undo takes the copies away; a second paste brings them back.
        const QVariant history =
            browser()->property("steps").value<QObject *>()->property("history");
        QTRY_VERIFY(history.value<QObject *>()->property("canUndo").toBool());
        keys("Ctrl+Z");
        QTRY_COMPARE(names(m_dst), QStringList());
        keys("Ctrl+V");
        QTRY_COMPARE(names(m_dst), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QTRY_COMPARE(shown("jobTitle"), QStringList{tr3("Transfer", "Copied %n entries.")});
        QVERIFY(click(inPanel("jobDismiss")));
        QTRY_VERIFY(!panel()->isVisible());
    }

    // A paste onto taken names shows its question in the panel while it
    // runs, answered or cancelled there; the panel goes with its last job.
    void pasteAsks_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("showOffered"); // the way to what was put there
        QTest::newRow("cancel")
            << QByteArray("jobCancel")
            << QCoreApplication::translate(
                   "Transfer", "Cancelled after copying %n of %1; nothing was left half done.",
                   nullptr, 0)
                   .arg(3)
            << QStringList{"a.txt", "b.txt", "c.txt"} << false;
        QTest::newRow("keep both for all")
            << "jobAnswer" + QByteArray::number(Job::KeepBoth)
            << tr3("Transfer", "Copied %n entries.")
            << QStringList{"a (2).txt", "a.txt", "b (2).txt", "b.txt", "c (2).txt", "c.txt"}
            << true;
    }
    void pasteAsks()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, outcome);
        QFETCH(QStringList, after);
        QFETCH(bool, showOffered);
        // Of its own: the three files copied, and already in the folder.
        for (const QString &name : names(m_dst))
            QVERIFY(QFile::remove(m_dst + "/" + name));
        QList<QUrl> copied;
        for (const char *name : {"a.txt", "b.txt", "c.txt"}) {
            QVERIFY(m_box.write("dst/" + QString::fromLatin1(name), QByteArray(1500, name[0])));
            copied << QUrl::fromLocalFile(m_src + "/" + QString::fromLatin1(name));
        }
        auto *data = new QMimeData;
        data->setUrls(copied);
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(openFocused(m_dst));
        QVERIFY(!panel()->isVisible());
        keys("Ctrl+V");
        QTRY_COMPARE(
            shown("jobQuestion"),
            QStringList{
                QCoreApplication::translate("Jobs", "“%1” is already there.").arg("a.txt")});
        QVERIFY(panelInSight());
        QCOMPARE(inPanel("jobProgress").size(), 1);
        QVERIFY(click(inPanel("jobForAll")));
        QVERIFY(click(inPanel(button.constData())));
        QTRY_COMPARE(shown("jobTitle"), QStringList{outcome});
        QCOMPARE(names(m_dst), after);
        QCOMPARE(inPanel("jobShow").size(), showOffered ? 1 : 0);
        QVERIFY(click(inPanel("jobDismiss")));
        QTRY_VERIFY(!panel()->isVisible());
    }

    // Closing the window while a job runs asks first; staying keeps the
    // window and the job, which can still be cancelled with nothing changed.
    void leavingAsks()
    {
        QVERIFY(openFocused(m_dst));
        const QStringList before = names(m_dst);
        keys("Ctrl+V");
        QTRY_COMPARE(shown("jobQuestion").size(), 1);
        QVERIFY(!window()->close());
        QQuickItem *stay = nullptr;
        QTRY_VERIFY((stay = RunningScene::find(RunningScene::scene(), "leaveStay")) &&
                    stay->isVisible());
        QVERIFY(click({stay}));
        QTRY_VERIFY(!stay->isVisible());
        QVERIFY(window()->isVisible());
        QVERIFY(click(inPanel("jobCancel")));
        QTRY_COMPARE(inPanel("jobDismiss").size(), 1);
        QCOMPARE(names(m_dst), before);
        QVERIFY(click(inPanel("jobDismiss")));
        QTRY_VERIFY(!panel()->isVisible());
    }

    // Ctrl+X then Ctrl+V moves, and the clipboard is empty after: Paste is
    // off. Escape chooses nothing, and a command then acts on the current
    // entry.
    void cutAndPaste()
    {
        QVERIFY(openFocused(m_src));
        keys("Ctrl+A");
        // Four entries; the folder adds nothing to the size.
        QTRY_COMPARE(text("selectionStatus"), FolderStatus::selectionText(4, 4500));
        keys("Escape");
        QTRY_VERIFY(text("selectionStatus").isEmpty());
        keys("End"); // c.txt, alone
        keys("Ctrl+X");
        QTRY_COMPARE(
            QGuiApplication::clipboard()->mimeData()->data("application/x-kde-cutselection"),
            QByteArray("1"));
        QVERIFY(openFocused(m_src + "/sub"));
        keys("Ctrl+V");
        QTRY_COMPARE(names(m_src + "/sub"), QStringList{"c.txt"});
        QTRY_COMPARE(names(m_src), (QStringList{"a.txt", "b.txt", "sub"}));
        auto *paste = RunningScene::find<QObject>(browser(), "pasteCommand");
        QTRY_VERIFY(!paste->property("enabled").toBool());
    }

    // Entries dropped on a folder's row move into it; with Ctrl held they
    // are copied.
    void drop()
    {
        QVERIFY(openFocused(m_src));
        QTRY_VERIFY(row("sub"));
        auto *area = RunningScene::find<QObject>(row("sub"), "rowDrop");
        QVERIFY(area);
        QVariant taken;
        QVERIFY(QMetaObject::invokeMethod(area, "take", Q_RETURN_ARG(QVariant, taken),
                                          Q_ARG(QVariant, QStringList{m_src + "/a.txt"}),
                                          Q_ARG(QVariant, int(Qt::NoModifier))));
        QTRY_COMPARE(names(m_src + "/sub"), (QStringList{"a.txt", "c.txt"}));
        QVERIFY(!QFile::exists(m_src + "/a.txt"));
        QVERIFY(QMetaObject::invokeMethod(area, "take", Q_RETURN_ARG(QVariant, taken),
                                          Q_ARG(QVariant, QStringList{m_src + "/b.txt"}),
                                          Q_ARG(QVariant, int(Qt::ControlModifier))));
        QTRY_COMPARE(names(m_src + "/sub"), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QVERIFY(QFile::exists(m_src + "/b.txt"));
    }

    // A move to another volume is taken back, and made again, by jobs of
    // the panel.
    void undoAcrossVolumes()
    {
        const QString volume = m_box.path("volume");
        QString why;
        QVERIFY(QDir().mkpath(volume));
        if (!mountScratch(volume, &why))
            QSKIP(qPrintable(why));
        const auto unmount =
            qScopeGuard([&] { ::umount2(QFile::encodeName(volume).constData(), MNT_DETACH); });
        QVERIFY(m_box.write("src/far.txt", "far"));
        QVERIFY(openFocused(m_src));
        QTRY_VERIFY(row("far.txt"));
        QVERIFY(
            QMetaObject::invokeMethod(browser(), "select", Q_ARG(QVariant, m_src + "/far.txt")));
        QTRY_COMPARE(currentName(), QStringLiteral("far.txt"));
        keys("Ctrl+X");
        QVERIFY(openFocused(volume));
        JobQueue::instance()->dismissFinished(); // what the cases before left
        QTRY_VERIFY(!panel()->isVisible());
        const QString moved =
            QCoreApplication::translate("Transfer", "Moved %n entries.", nullptr, 1);
        for (const char *key : {"Ctrl+V", "Ctrl+Z", "Ctrl+Shift+Z"}) {
            keys(QString::fromLatin1(key));
            const bool there = key[5] != 'Z';
            // The move back waits for a syncfs of the test's own disk, which
            // a busy machine may take long over.
            QTRY_COMPARE_WITH_TIMEOUT(shown("jobTitle"), QStringList{moved}, 120000);
            QCOMPARE(names(volume), there ? QStringList{"far.txt"} : QStringList());
            QFile file(there ? volume + "/far.txt" : m_src + "/far.txt");
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("far"));
            QVERIFY(click(inPanel("jobDismiss")));
            QTRY_VERIFY(!panel()->isVisible());
        }
        QVERIFY(!QFile::exists(m_src + "/far.txt"));
    }

    // A job's row names the entry it is at, and says when it waits for the
    // disk rather than seeming stuck.
    void heldAtTheDisk()
    {
        JobQueue::instance()->dismissFinished();
        std::atomic_int step{0};
        const auto letGo = qScopeGuard([&] { step = 2; });
        const QString path = m_src + "/a.txt";
        JobQueue::instance()->start(std::make_unique<HeldMove>(path, &step));
        QTRY_COMPARE(shown("jobCurrent"), QStringList{ShownNames::path(path)});
        QVERIFY(!shown("jobDetail").join("").contains(QString::fromUtf8("\u2026")));
        step = 1;
        const QString writing = QCoreApplication::translate("Jobs", "writing to disk\u2026");
        QTRY_VERIFY(shown("jobDetail").join("").endsWith(writing));
        QCOMPARE(shown("jobCurrent"), QStringList());
        step = 2;
        QTRY_COMPARE(shown("jobTitle"), QStringList{"let go"});
        QVERIFY(click(inPanel("jobDismiss")));
    }
};

int main(int argc, char **argv)
{
    enterMountNamespace(nullptr); // before any thread
    bb::cascades::Application app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestSceneManage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scene_manage.moc"
