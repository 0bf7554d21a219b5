// SPDX-License-Identifier: GPL-3.0-or-later
// Managing files as a person does it in the running scene: choosing
// several entries with the keys, cutting, copying and pasting them through
// the system clipboard, answering the question a taken name asks, and
// dropping entries on a folder. Checked on disk and in what is shown.
#include "foldermodel.h"
#include "folderstatus.h"
#include "scenefixture.h"
#include "scenetools.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMimeData>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

namespace {

QQuickWindow *window()
{
    return bb::cascades::Application::instance()->window();
}
QQuickItem *browser()
{
    return RunningScene::browser();
}
QQuickItem *list()
{
    return RunningScene::find(browser(), "entryList");
}
FolderModel *model()
{
    return qobject_cast<FolderModel *>(browser()->property("entries").value<QObject *>());
}
QQuickItem *row(const QString &name)
{
    const int index = model()->indexOfPath(browser()->property("folder").toString() + "/" + name);
    QQuickItem *delegate = nullptr;
    QMetaObject::invokeMethod(list(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, delegate),
                              Q_ARG(int, index));
    return delegate;
}
bool open(const QString &folder)
{
    return QMetaObject::invokeMethod(browser(), "open", Q_ARG(QVariant, folder),
                                     Q_ARG(QVariant, true), Q_ARG(QVariant, QString())) &&
           QTest::qWaitFor([] { return !model()->isRunning() && list()->hasActiveFocus(); });
}
void keys(const QString &sequence)
{
    QTest::keySequence(window(), QKeySequence(sequence, QKeySequence::PortableText));
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
        QVERIFY(open(m_src));
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

        QVERIFY(open(m_dst));
        auto *paste = RunningScene::find<QObject>(browser(), "pasteCommand");
        QVERIFY(paste);
        QCOMPARE(paste->property("text").toString(), tr3("Browser", "Paste %n entries"));
        keys("Ctrl+V");
        QTRY_COMPARE(names(m_dst), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QCOMPARE(QFile(m_dst + "/b.txt").size(), 1500);

        QCOMPARE(names(m_src), (QStringList{"a.txt", "b.txt", "c.txt", "sub"}));
    }

    // Ctrl+X then Ctrl+V moves, and the clipboard is empty after: Paste is
    // off. Escape chooses nothing, and a command then acts on the current
    // entry.
    void cutAndPaste()
    {
        QVERIFY(open(m_src));
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
        QVERIFY(open(m_src + "/sub"));
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
        QVERIFY(open(m_src));
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
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    TestSceneManage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scene_manage.moc"
