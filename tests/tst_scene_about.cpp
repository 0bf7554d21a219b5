// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenefixture.h"

#include <QDirIterator>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int imageReady = 1; // Image.Ready
const QString shipped = QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/assets/");
const QString prefix = QStringLiteral("asset:///MyApps/");

} // namespace

class TestSceneAbout : public QObject
{
    Q_OBJECT

    Sandbox m_box{false, true}; // the app image folder is ours
    QString m_images = m_box.path(QStringLiteral("app/native/assets/MyApps/"));
    std::unique_ptr<RunningScene> m_scene;

    static int depth() { return RunningScene::stack()->property("depth").toInt(); }
    static QQuickItem *openAbout()
    {
        if (!QMetaObject::invokeMethod(RunningScene::browser(), "showAbout") ||
            !QTest::qWaitFor([] { return depth() == 2; }))
            return nullptr;
        QQuickItem *about = RunningScene::current();
        return about && about->objectName() == QLatin1String("aboutPage") ? about : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_box.isValid());
        QDirIterator files(shipped, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString target =
                m_box.path("app/native/assets/" + files.next().mid(shipped.size()));
            QVERIFY(QDir().mkpath(QFileInfo(target).path()) &&
                    QFile::link(files.filePath(), target));
        }
        m_scene = std::make_unique<RunningScene>(m_box);
        QVERIFY(RunningScene::stack());
    }

    void appImage()
    {
        QQuickItem *about = openAbout();
        QVERIFY(about);
        auto *image = RunningScene::find(about, "appImage");
        auto *another = RunningScene::find<QObject>(about, "showAnother");
        QVERIFY(image && another);
        const QStringList names = QDir(m_images).entryList(QDir::Files);
        const QString address = about->property("appImage").toString();
        QVERIFY2(address.startsWith(prefix) && names.contains(address.mid(prefix.size())),
                 qPrintable(address));
        QTRY_COMPARE(image->property("status").toInt(), imageReady);

        // A name with blanks, as the service hands it over, still shows.
        for (const QString &name : names)
            QVERIFY(QFile::remove(m_images + name));
        QVERIFY(QFile::link(shipped + "MyApps/" + names.first(), m_images + "my app.png"));
        QVERIFY(QMetaObject::invokeMethod(another, "clicked"));
        QCOMPARE(about->property("appImage").toString(), prefix + "my app.png");
        QTRY_COMPARE(image->property("status").toInt(), imageReady);
        QVERIFY(image->isVisible());

        // With nothing to show, the picture goes away rather than break.
        QVERIFY(QFile::remove(m_images + "my app.png"));
        QVERIFY(QMetaObject::invokeMethod(another, "clicked"));
        QCOMPARE(about->property("appImage").toString(), QString());
        QVERIFY(!image->isVisible());
        QVERIFY(QMetaObject::invokeMethod(about, "close"));
        QTRY_COMPARE(depth(), 1);
    }

    // The page names the version the program was built as and its licence;
    // the window tells the desktop the name of the entry that has its icon.
    void versionAndLicence()
    {
        const QString entry = QGuiApplication::desktopFileName();
        QVERIFY2(QFile::exists(VANTREL_SOURCE_DIR "/dist/" + entry + ".desktop"),
                 qPrintable(entry));
        QQuickItem *about = openAbout();
        QVERIFY(about);
        auto *version = RunningScene::find(about, "aboutVersion");
        auto *licence = RunningScene::find(about, "aboutLicence");
        QVERIFY(version && licence);
        QVERIFY(version->isVisible() && licence->isVisible());
        QVERIFY2(version->property("text").toString().contains(VANTREL_VERSION),
                 qPrintable(version->property("text").toString()));
        QVERIFY(licence->property("text").toString().contains("GPL-3.0-or-later"));
        QVERIFY(QMetaObject::invokeMethod(about, "close"));
        QTRY_COMPARE(depth(), 1);
    }

    void closeAbout_data()
    {
        QTest::addColumn<int>("key"); // none: the back button
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("Alt+Left") << int(Qt::Key_Left) << int(Qt::AltModifier);
        QTest::newRow("Back button") << 0 << 0;
    }
    void closeAbout()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QQuickItem *about = openAbout();
        QVERIFY(about);
        QTRY_VERIFY(about->hasActiveFocus());
        if (key)
            QTest::keyClick(bb::cascades::Application::instance()->window(), Qt::Key(key),
                            Qt::KeyboardModifiers(modifiers));
        else
            QVERIFY(QMetaObject::invokeMethod(RunningScene::find<QObject>(about, "aboutBack"),
                                              "clicked"));
        QTRY_COMPARE(depth(), 1);
        QQuickItem *list = RunningScene::find(RunningScene::stack(), "entryList");
        QVERIFY(list);
        QTRY_VERIFY(list->hasActiveFocus());
    }

    // Sizes scale with the design units: no size is a fixed number of pixels.
    void noPixelSizes()
    {
        static const QRegularExpression size(
            QStringLiteral(R"((?<![\w$])((?:\w+\.)*(?:x|y|radius|\w*(?:[wW]idth|[hH]eight|)"
                           R"(Size|[sS]pacing|[mM]argins?|[pP]adding|[iI]nset|Offset)))\s*:\s*)"
                           R"(([-+]?(?:\d*\.)?\d+)\s*(?:;|\}|$))"),
            QRegularExpression::MultilineOption);
        QStringList offenders;
        QDirIterator files(QStringLiteral(VANTREL_SOURCE_DIR "/assets"), {"*.qml"}, QDir::Files,
                           QDirIterator::Subdirectories);
        int scanned = 0;
        for (; files.hasNext(); ++scanned) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            const QString code =
                QString::fromUtf8(file.readAll()).remove(QRegularExpression("//[^\n]*"));
            for (const QRegularExpressionMatch &match : size.globalMatch(code)) {
                if (match.captured(2).toDouble() != 0) // nothing is nothing at any scale
                    offenders << files.fileName() + ": " + match.captured(0).trimmed();
            }
        }
        QVERIFY(scanned > 0);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral("; "))));
    }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    TestSceneAbout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_about.moc"
