// The progress dialog's fixed appearance and the application font.
#include "app-font.h"
#include "dpiinfo.h"
#include "progress-dialog.h"
#include "strtable.h"
#include "uipathmanager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class ProgressDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sizeFollowsScale_data();
    void sizeFollowsScale();
    void startsHiddenAtZeroWithInitializingLabel();
    void iconFromResourcesAndNoneWhenMissing();
    void fontIsTheApplicationFontAtConstruction_data();
    void fontIsTheApplicationFontAtConstruction();

private:
    QTemporaryDir resources;
};

void ProgressDialogTest::initTestCase()
{
    QVERIFY(resources.isValid());
    UIPathManager::getInstance()->setPath("root_resource_path", resources.path());
    StrTable::InitStrTable();
}

void ProgressDialogTest::cleanup()
{
    DPIinfo::getInstance()->setDPI(1.0);
    QFile::remove(resources.path() + "/images/ico_72_larkspan.png");
}

void ProgressDialogTest::sizeFollowsScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("size");
    QTest::newRow("unscaled") << 1.0 << QSize(400, 80);
    QTest::newRow("one and a half") << 1.5 << QSize(600, 120);
    QTest::newRow("truncated") << 1.33 << QSize(532, 106);
    QTest::newRow("double") << 2.0 << QSize(800, 160);
}

void ProgressDialogTest::sizeFollowsScale()
{
    QFETCH(double, scale);
    QFETCH(QSize, size);
    DPIinfo::getInstance()->setDPI(scale);
    ProcessingProgressDialog dialog;
    QCOMPARE(dialog.minimumSize(), size);
    QCOMPARE(dialog.maximumSize(), size);
}

void ProgressDialogTest::startsHiddenAtZeroWithInitializingLabel()
{
    ProcessingProgressDialog dialog;
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.value(), 0);
    QCOMPARE(dialog.minimum(), 0);
    QCOMPARE(dialog.maximum(), 100);
    QCOMPARE(dialog.labelText(), QString("Velmora Drive Client is initializing..."));
    QCOMPARE(dialog.windowTitle(), QString("Velmora Drive Client"));
    QCOMPARE(int(dialog.windowFlags() & ~Qt::WindowType_Mask), 0x3000);
    QCOMPARE(dialog.windowModality(), Qt::WindowModal);
    QCOMPARE(dialog.styleSheet(),
             QString("QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"));
}

void ProgressDialogTest::iconFromResourcesAndNoneWhenMissing()
{
    {
        ProcessingProgressDialog dialog;
        QVERIFY(dialog.windowIcon().pixmap(72, 72).isNull());
        QCOMPARE(dialog.labelText(), QString("Velmora Drive Client is initializing..."));
    }
    QVERIFY(QDir().mkpath(resources.path() + "/images"));
    QImage image(72, 72, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(resources.path() + "/images/ico_72_larkspan.png"));
    ProcessingProgressDialog dialog;
    QVERIFY(!dialog.windowIcon().pixmap(72, 72).isNull());
}

void ProgressDialogTest::fontIsTheApplicationFontAtConstruction_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("family");
    QTest::newRow("thai") << "tha" << "Microsoft Sans Serif";
    QTest::newRow("thai upper case") << "THA" << "Arial";
    QTest::newRow("english") << "enu" << "Arial";
    QTest::newRow("japanese") << "jpn" << "Arial";
    QTest::newRow("none") << "" << "Arial";
}

void ProgressDialogTest::fontIsTheApplicationFontAtConstruction()
{
    QFETCH(QString, language);
    QFETCH(QString, family);
    const QFont previous = QApplication::font();
    QApplication::setFont(ApplicationFont(language), nullptr);
    ProcessingProgressDialog dialog;
    QApplication::setFont(previous);
    QCOMPARE(dialog.font().family(), family);
    QCOMPARE(dialog.font().pointSize(), 12);
    QVERIFY(!dialog.font().italic());
}

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_test.moc"
