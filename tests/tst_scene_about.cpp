#include "applicationui.h"

#include <bb/cascades/Application>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int imageReady = 1; // Image.Ready

// Points every file name of a folder at its shipped twin.
bool linkAll(const QString &from, const QString &to, const QString &skip = QString())
{
    const QStringList names =
        QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (name != skip &&
            !QFile::link(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

} // namespace

class TestSceneAbout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_images; // the app image folder the scene sees
    std::unique_ptr<ApplicationUI> m_app;
    QQuickItem *m_stack = nullptr;

    QQuickItem *openAbout()
    {
        QObject *browser = m_stack->property("currentItem").value<QObject *>();
        if (!browser || !QMetaObject::invokeMethod(browser, "showAbout"))
            return nullptr;
        if (!QTest::qWaitFor([&] { return m_stack->property("depth").toInt() == 2; }))
            return nullptr;
        auto *about = m_stack->property("currentItem").value<QQuickItem *>();
        return about && about->objectName() == QLatin1String("aboutPage") ? about : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Shipped assets and translations, but an app image folder of our own.
        QVERIFY(m_root.isValid());
        const QString shipped = QStringLiteral(VANTREL_SANDBOX_DIR "/app/native");
        const QString assets = m_root.filePath(QStringLiteral("app/native/assets"));
        m_images = assets + QStringLiteral("/MyApps");
        QVERIFY(QDir().mkpath(m_images));
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("data"))));
        QVERIFY(QFile::link(shipped + QStringLiteral("/qm"),
                            m_root.filePath(QStringLiteral("app/native/qm"))));
        QVERIFY(linkAll(shipped + QStringLiteral("/assets"), assets, QStringLiteral("MyApps")));
        QVERIFY(linkAll(shipped + QStringLiteral("/assets/MyApps"), m_images));
        QVERIFY(QDir::setCurrent(m_root.path()));

        m_app = std::make_unique<ApplicationUI>();
        QVERIFY(bb::cascades::Application::instance()->scene());
        m_stack = bb::cascades::Application::instance()->scene()->findChild<QQuickItem *>(
            QStringLiteral("stack"));
        QVERIFY(m_stack);
    }

    void appImage()
    {
        QQuickItem *about = openAbout();
        QVERIFY(about);
        auto *image = about->findChild<QQuickItem *>(QStringLiteral("appImage"));
        auto *another = about->findChild<QObject *>(QStringLiteral("showAnother"));
        QVERIFY(image && another);
        const QStringList shipped = QDir(m_images).entryList(QDir::Files);
        const QString address = about->property("appImage").toString();
        QVERIFY2(address.startsWith(QLatin1String("asset:///MyApps/")) &&
                     shipped.contains(address.mid(16)),
                 qPrintable(address));
        QTRY_COMPARE(image->property("status").toInt(), imageReady);

        // A name with blanks, as the service hands it over, still shows.
        for (const QString &name : shipped)
            QVERIFY(QFile::remove(m_images + QLatin1Char('/') + name));
        QVERIFY(QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native/assets/MyApps/") +
                                shipped.first(),
                            m_images + QStringLiteral("/my app.png")));
        QVERIFY(QMetaObject::invokeMethod(another, "clicked"));
        QCOMPARE(about->property("appImage").toString(),
                 QStringLiteral("asset:///MyApps/my app.png"));
        QTRY_COMPARE(image->property("status").toInt(), imageReady);
        QVERIFY(image->isVisible());

        // With nothing to show, the picture goes away rather than break.
        QVERIFY(QFile::remove(m_images + QStringLiteral("/my app.png")));
        QVERIFY(QMetaObject::invokeMethod(another, "clicked"));
        QCOMPARE(about->property("appImage").toString(), QString());
        QVERIFY(!image->isVisible());
        QVERIFY(QMetaObject::invokeMethod(about, "close"));
        QTRY_COMPARE(m_stack->property("depth").toInt(), 1);
    }

    void closeAbout_data()
    {
        QTest::addColumn<int>("key");
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
        if (key) {
            QTest::keyClick(bb::cascades::Application::instance()->window(), Qt::Key(key),
                            Qt::KeyboardModifiers(modifiers));
        } else {
            auto *back = about->findChild<QObject *>(QStringLiteral("aboutBack"));
            QVERIFY(back);
            QVERIFY(QMetaObject::invokeMethod(back, "clicked"));
        }
        QTRY_COMPARE(m_stack->property("depth").toInt(), 1);
        auto *list = m_stack->findChild<QQuickItem *>(QStringLiteral("entryList"));
        QVERIFY(list);
        QTRY_VERIFY(list->hasActiveFocus());
    }

    // Sizes scale with the design units: no size is a fixed number of pixels.
    void noPixelSizes()
    {
        static const QRegularExpression size(QStringLiteral(
            R"((?<![\w$])((?:\w+\.)*(?:x|y|width|height|implicitWidth|implicitHeight|)"
            R"(preferredWidth|preferredHeight|minimumWidth|minimumHeight|maximumWidth|)"
            R"(maximumHeight|contentWidth|contentHeight|cellWidth|cellHeight|pixelSize|)"
            R"(pointSize|letterSpacing|wordSpacing|spacing|rowSpacing|columnSpacing|)"
            R"(\w*[mM]argins?|\w*[pP]adding|\w*[iI]nset|\w*Offset|radius))\s*:\s*)"
            R"(([-+]?(?:\d*\.)?\d+)\s*(?:;|\}|$))"));
        static const QRegularExpression zero(QStringLiteral(R"(^[-+]?0*\.?0+$)"));
        QStringList offenders;
        QDirIterator files(QStringLiteral(VANTREL_SOURCE_DIR "/assets"), {"*.qml"}, QDir::Files,
                           QDirIterator::Subdirectories);
        int scanned = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            ++scanned;
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                const QString code = lines.at(i).section(QStringLiteral("//"), 0, 0);
                auto it = size.globalMatch(code);
                while (it.hasNext()) {
                    const QRegularExpressionMatch match = it.next();
                    if (zero.match(match.captured(2)).hasMatch())
                        continue; // nothing is nothing at any scale
                    offenders << QStringLiteral("%1:%2: %3")
                                     .arg(QFileInfo(file.fileName()).fileName())
                                     .arg(i + 1)
                                     .arg(match.captured(0));
                }
            }
        }
        QVERIFY(scanned > 0);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral("; "))));
    }

    void cleanupTestCase() { m_app.reset(); }
};

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    TestSceneAbout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scene_about.moc"
