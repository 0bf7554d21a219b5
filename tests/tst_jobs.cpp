// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and move jobs: the questions they ask and what the answers leave on
// disk, the refusals, and files on the clipboard.
#include "fileclipboard.h"
#include "jobqueue.h"
#include "pathcodec.h"
#include "transfer.h"

#include <QClipboard>
#include <QDirIterator>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Answer
{
    int choice;
    bool forAll;
};

struct Run
{
    Job::State state = Job::Running;
    QString outcome;
    QList<QVariantMap> questions;
    QList<Job::UndoStep> steps;
    QVariantMap last; // the job's row once over
};

// Runs job id to its end, giving the answers in turn (Cancel once none is
// left), and tells what happened.
Run waitFor(JobQueue &queue, int id, QList<Answer> answers = {})
{
    Run run;
    QObject context;
    QObject::connect(&queue, &JobQueue::questionAsked, &context, [&](int job) {
        if (job != id)
            return;
        run.questions << queue.get(queue.rowOf(id)).value("question").toMap();
        const Answer answer = answers.isEmpty() ? Answer{Job::Cancel, false} : answers.takeFirst();
        queue.answer(id, answer.choice, answer.forAll);
    });
    QObject::connect(&queue, &JobQueue::undoReady, &context, [&](const Job::Undo &undo) {
        if (undo.job == id)
            run.steps = undo.steps;
    });
    bool over = false;
    QObject::connect(&queue, &JobQueue::finished, &context,
                     [&](int job, Job::State state, const QString &outcome) {
                         if (job != id)
                             return;
                         over = true;
                         run.state = state;
                         run.outcome = outcome;
                     });
    if (!QTest::qWaitFor([&] { return over; }, 20000))
        qWarning("job %d did not finish", id);
    run.last = queue.get(queue.rowOf(id));
    return run;
}

// Names go through PathCodec, so that names that are not UTF-8 stay as they are.
void write(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    const int fd = ::open(PathCodec::encode(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, content.constData(), content.size()), ssize_t(content.size()));
    ::close(fd);
}

void listInto(const QByteArray &folder, const QString &prefix, QStringList *entries)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const QByteArray path = folder + "/" + name;
        const QString relative = prefix + PathCodec::decode(name);
        struct stat st;
        if (::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            *entries << relative + "/";
            listInto(path, relative + "/", entries);
        } else {
            const int fd = ::open(path.constData(), O_RDONLY);
            QByteArray content(1 << 16, 0);
            const ssize_t n = fd >= 0 ? ::read(fd, content.data(), content.size()) : -1;
            if (fd >= 0)
                ::close(fd);
            *entries << relative + "=" + (n >= 0 ? QString::fromUtf8(content.left(n)) : "?");
        }
    }
    ::closedir(dir);
}

// "relative/path=content" for every file under folder, "name/" for a folder.
QStringList tree(const QString &folder)
{
    QStringList entries;
    listInto(PathCodec::encode(folder), QString(), &entries);
    entries.sort();
    return entries;
}

} // namespace

class tst_Jobs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void conflicts_data();
    void conflicts();
    void refusals_data();
    void refusals();
    void failures_data();
    void failures();
    void progressAndUndo();
    void uris_data();
    void uris();
    void clipboard();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_src, m_dst;
};

void tst_Jobs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_src = m_dir->filePath("src");
    m_dst = m_dir->filePath("dst");
    QVERIFY(QDir().mkpath(m_src) && QDir().mkpath(m_dst));
}

void tst_Jobs::cleanup()
{
    Transfer::setNameCheckForTesting({});
    // QTemporaryDir cannot remove names that are not UTF-8.
    ::nftw(
        QFile::encodeName(m_dir->path()).constData(),
        [](const char *path, const struct stat *, int, FTW *) { return ::remove(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

void tst_Jobs::conflicts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("forAll");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QStringList>("dst");

    const QStringList replaced{"a.txt=new a", "b.txt=new b", "sub/", "sub/x.txt=new x",
                               "sub/y.txt=old y"};
    const QStringList both{"a (2).txt=new a", "a.txt=old a",    "b (2).txt=new b",
                           "b.txt=old b",     "sub/",           "sub/x (2).txt=new x",
                           "sub/x.txt=old x", "sub/y.txt=old y"};
    const QStringList kept{"a.txt=old a", "b.txt=old b", "sub/", "sub/x.txt=old x",
                           "sub/y.txt=old y"};
    for (const int kind : {Job::Move, Job::Copy}) {
        const char *name = kind == Job::Move ? "move" : "copy";
        // The folder merges without a question; its file is asked about.
        QTest::addRow("%s replace all", name) << kind << int(Job::Replace) << true << 1 << replaced;
        QTest::addRow("%s replace each", name)
            << kind << int(Job::Replace) << false << 3 << replaced;
        QTest::addRow("%s keep both all", name) << kind << int(Job::KeepBoth) << true << 1 << both;
        QTest::addRow("%s keep both each", name)
            << kind << int(Job::KeepBoth) << false << 3 << both;
        QTest::addRow("%s skip all", name) << kind << int(Job::Skip) << true << 1 << kept;
        QTest::addRow("%s skip each", name) << kind << int(Job::Skip) << false << 3 << kept;
    }
}

void tst_Jobs::conflicts()
{
    QFETCH(int, kind);
    QFETCH(int, choice);
    QFETCH(bool, forAll);
    QFETCH(int, asked);
    QFETCH(QStringList, dst);

    write(m_src + "/a.txt", "new a");
    write(m_src + "/b.txt", "new b");
    write(m_src + "/sub/x.txt", "new x");
    write(m_dst + "/a.txt", "old a");
    write(m_dst + "/b.txt", "old b");
    write(m_dst + "/sub/x.txt", "old x");
    write(m_dst + "/sub/y.txt", "old y");
    const QStringList before = tree(m_src);

    JobQueue queue(nullptr);
    const QStringList sources{m_src + "/a.txt", m_src + "/b.txt", m_src + "/sub"};
    const int id = kind == Job::Move ? queue.move(sources, m_dst) : queue.copy(sources, m_dst);
    const Run run = waitFor(queue, id, QList<Answer>(3, Answer{choice, forAll}));

    QCOMPARE(run.state, Job::Done);
    QCOMPARE(run.questions.size(), asked);
    // The question shows both entries.
    const QVariantMap first = run.questions.first();
    QCOMPARE(first.value("type").toString(), QString("conflict"));
    QCOMPARE(first.value("source").toString(), m_src + "/a.txt");
    QCOMPARE(first.value("destination").toString(), m_dst + "/a.txt");
    QCOMPARE(first.value("sourceSize").toInt(), 5);
    QVERIFY(first.value("destinationModified").toDouble() > 0);
    QCOMPARE(first.value("choices").toList().first().toInt(), int(Job::KeepBoth));

    QCOMPARE(tree(m_dst), dst);
    if (kind == Job::Copy || choice == Job::Skip)
        QCOMPARE(tree(m_src), before);
    else
        QCOMPARE(tree(m_src), QStringList()); // the emptied folder went too
}

void tst_Jobs::refusals_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("reason");

    QTest::newRow("folder into itself") << int(Job::Move) << "src/sub"
                                        << "src/sub" << int(Job::IntoItself);
    QTest::newRow("folder below itself") << int(Job::Copy) << "src/sub"
                                         << "src/sub/deeper" << int(Job::IntoItself);
    QTest::newRow("folder below itself through a link") << int(Job::Move) << "src"
                                                        << "link/sub" << int(Job::IntoItself);
    QTest::newRow("move onto itself") << int(Job::Move) << "src/a.txt"
                                      << "src" << int(Job::OntoItself);
    QTest::newRow("destination gone") << int(Job::Move) << "src/a.txt"
                                      << "nowhere" << int(Job::DestinationGone);
}

void tst_Jobs::refusals()
{
    QFETCH(int, kind);
    QFETCH(QString, source);
    QFETCH(QString, folder);
    QFETCH(int, reason);

    write(m_src + "/a.txt", "a");
    write(m_src + "/sub/deeper/x.txt", "x");
    QVERIFY(QFile::link(m_src, m_dir->filePath("link")));
    QVERIFY(QFile::link(m_dir->filePath("loop"), m_dir->filePath("loop")));
    const QStringList before = tree(m_dir->path());

    JobQueue queue(nullptr);
    const QStringList sources{m_dir->filePath(source)};
    const int id = kind == Job::Move ? queue.move(sources, m_dir->filePath(folder))
                                     : queue.copy(sources, m_dir->filePath(folder));
    const Run run = waitFor(queue, id);
    QCOMPARE(run.state, Job::Failed);
    QVERIFY(run.questions.isEmpty());
    QVERIFY2(run.outcome.contains(Job::describe(Job::Reason(reason))), qPrintable(run.outcome));
    QCOMPARE(tree(m_dir->path()), before);
}

void tst_Jobs::failures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("refusals"); // how many times "bad:name" is refused
    QTest::addColumn<bool>("vanish");  // z.txt goes while a.txt is handled
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("left"); // what stays where it was

    const QStringList all{"a.txt=a", "bad:name=bad", "z.txt=z"};
    for (const int kind : {Job::Move, Job::Copy}) {
        const char *name = kind == Job::Move ? "move" : "copy";
        QTest::addRow("%s, refused name, skip", name)
            << kind << int(Job::Skip) << 1000 << false << int(Job::NameRefused) << int(Job::Done)
            << QStringList{"bad:name=bad"};
        QTest::addRow("%s, refused name, retry", name)
            << kind << int(Job::Retry) << 1 << false << int(Job::NameRefused) << int(Job::Done)
            << QStringList();
        QTest::addRow("%s, refused name, cancel", name)
            << kind << int(Job::Cancel) << 1000 << false << int(Job::NameRefused)
            << int(Job::Cancelled) << all;
        QTest::addRow("%s, source vanishes, skip", name)
            << kind << int(Job::Skip) << 0 << true << int(Job::SourceGone) << int(Job::Done)
            << QStringList();
    }
}

void tst_Jobs::failures()
{
    QFETCH(int, kind);
    QFETCH(int, answer);
    QFETCH(int, refusals);
    QFETCH(bool, vanish);
    QFETCH(int, reason);
    QFETCH(int, state);
    QFETCH(QStringList, left);

    write(m_src + "/bad:name", "bad");
    write(m_src + "/a.txt", "a");
    write(m_src + "/z.txt", "z");
    // What a FAT volume answers for a name it cannot hold.
    int refused = 0;
    Transfer::setNameCheckForTesting([&, this](const QByteArray &name) {
        if (name == "a.txt" && vanish)
            QFile::remove(m_src + "/z.txt");
        return name == "bad:name" && refused++ < refusals ? EINVAL : 0;
    });

    JobQueue queue(nullptr);
    const QStringList sources{m_src + "/bad:name", m_src + "/a.txt", m_src + "/z.txt"};
    const int id = kind == Job::Move ? queue.move(sources, m_dst) : queue.copy(sources, m_dst);
    const Run run = waitFor(queue, id, {Answer{answer, false}});
    QCOMPARE(run.questions.size(), 1);
    QCOMPARE(run.questions.first().value("type").toString(), QString("failure"));
    QCOMPARE(run.questions.first().value("reason").toInt(), reason);
    QCOMPARE(int(run.state), state);

    // Nothing lost, nothing partial: what did not arrive is where it was.
    QStringList all{"a.txt=a", "bad:name=bad", "z.txt=z"};
    if (vanish)
        all.removeLast();
    QStringList arrived = all;
    for (const QString &entry : std::as_const(left))
        arrived.removeAll(entry);
    QCOMPARE(tree(m_dst), arrived);
    QCOMPARE(tree(m_src), kind == Job::Move ? left : all);
}

void tst_Jobs::progressAndUndo()
{
    write(m_src + "/a.txt", "a");
    write(m_src + "/sub/x.txt", "x");
    write(m_dst + "/sub/y.txt", "y");

    JobQueue queue(nullptr);
    QSignalSpy active(&queue, &JobQueue::activeChanged);
    const int id = queue.move({m_src + "/a.txt", m_src + "/sub"}, m_dst);
    QCOMPARE(queue.activeCount(), 1);
    const Run run = waitFor(queue, id);
    QCOMPARE(queue.activeCount(), 0);
    QCOMPARE(run.state, Job::Done);
    QCOMPARE(run.outcome, QString("Moved 2 entries."));
    QCOMPARE(run.last.value("counted").toBool(), true);
    QCOMPARE(run.last.value("itemsDone").toInt(), run.last.value("itemsTotal").toInt());
    QCOMPARE(run.last.value("destination").toString(), m_dst);

    // The file moved whole; of the merged folder, what went into it.
    QCOMPARE(run.steps.size(), 2);
    QCOMPARE(run.steps[0].from, m_src + "/a.txt");
    QCOMPARE(run.steps[0].to, m_dst + "/a.txt");
    QCOMPARE(run.steps[1].from, m_src + "/sub/x.txt");
    QCOMPARE(run.steps[1].to, m_dst + "/sub/x.txt");
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(m_dst + "/a.txt").constData(), &st), 0);
    QCOMPARE(run.steps[0].inode, quint64(st.st_ino));

    queue.dismissFinished();
    QCOMPARE(queue.rowCount(), 0);
}

void tst_Jobs::uris_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the path as the system has it
    QTest::addColumn<QByteArray>("uri");

    QTest::newRow("plain") << QByteArray("/tmp/a.txt") << QByteArray("file:///tmp/a.txt");
    QTest::newRow("space and percent")
        << QByteArray("/tmp/50% off") << QByteArray("file:///tmp/50%25%20off");
    QTest::newRow("utf-8") << QByteArray("/tmp/\xc3\xa9t\xc3\xa9")
                           << QByteArray("file:///tmp/%C3%A9t%C3%A9");
    QTest::newRow("latin-1 bytes")
        << QByteArray("/tmp/caf\xe9\xff") << QByteArray("file:///tmp/caf%E9%FF");
    QTest::newRow("hash and question mark")
        << QByteArray("/tmp/#1?.txt") << QByteArray("file:///tmp/%231%3F.txt");
}

void tst_Jobs::uris()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, uri);

    const QString path = PathCodec::decode(bytes);
    QCOMPARE(FileUris::fromPath(path), uri);
    QCOMPARE(PathCodec::encode(FileUris::toPath(uri)), bytes);
    // Other programs write the host, or lower-case escapes.
    QCOMPARE(PathCodec::encode(FileUris::toPath("file://localhost" + uri.mid(7))), bytes);
    QCOMPARE(PathCodec::encode(FileUris::toPath(uri.toLower().replace("file:", "FILE:"))),
             PathCodec::encode(FileUris::toPath(uri)));
}

void tst_Jobs::clipboard()
{
    QClipboard *system = QGuiApplication::clipboard();
    FileClipboard clipboard;
    QSignalSpy changed(&clipboard, &FileClipboard::changed);
    write(m_src + "/a.txt", "a");
    const QString odd = m_src + "/" + PathCodec::decode("caf\xe9");
    write(odd, "odd");

    // What desktop file managers read.
    clipboard.cut({m_src + "/a.txt", odd});
    QCOMPARE(clipboard.count(), 2);
    QVERIFY(clipboard.isCut());
    const QMimeData *data = system->mimeData();
    const QByteArray a = FileUris::fromPath(m_src + "/a.txt");
    const QByteArray b = FileUris::fromPath(odd);
    QVERIFY(b.endsWith("/caf%E9"));
    QCOMPARE(data->data("text/uri-list"), a + "\r\n" + b + "\r\n");
    QCOMPARE(data->data("x-special/gnome-copied-files"), "cut\n" + a + "\n" + b);
    QCOMPARE(data->data("application/x-kde-cutselection"), QByteArray("1"));
    clipboard.copy({m_src + "/a.txt"});
    QCOMPARE(system->mimeData()->data("x-special/gnome-copied-files"), "copy\n" + a);
    QCOMPARE(system->mimeData()->data("application/x-kde-cutselection"), QByteArray("0"));
    QVERIFY(!clipboard.isCut());

    // Whatever another program puts there: a URI list with a comment, a
    // host, a URL that is not a file.
    auto *foreign = new QMimeData;
    foreign->setData("text/uri-list", "# from a browser\r\nfile://localhost" + a.mid(7) +
                                          "\r\nhttps://example.org/x\r\n" + b + "\r\n");
    system->setMimeData(foreign);
    QCOMPARE(clipboard.paths(), (QStringList{m_src + "/a.txt", odd}));
    QVERIFY(!clipboard.isCut());
    system->setText("just text");
    QCOMPARE(clipboard.count(), 0);
    QCOMPARE(clipboard.paste(m_dst), 0);

    // A cut pastes as a move, once.
    clipboard.cut({m_src + "/a.txt", odd});
    const int changes = int(changed.size());
    const int id = clipboard.paste(m_dst);
    QVERIFY(id > 0);
    QCOMPARE(clipboard.count(), 0);
    QVERIFY(changed.size() > changes);
    const Run run = waitFor(*JobQueue::instance(), id);
    QCOMPARE(run.state, Job::Done);
    QCOMPARE(tree(m_src), QStringList());
    QCOMPARE(tree(m_dst), (QStringList{"a.txt=a", PathCodec::decode("caf\xe9") + "=odd"}));
}

QTEST_MAIN(tst_Jobs)
#include "tst_jobs.moc"
