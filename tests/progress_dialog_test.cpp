// The progress dialog's fixed appearance, its rules against being dismissed,
// and its texts in every language.
#include "dpiinfo.h"
#include "driver/app-font.h"
#include "driver/progress-dialog.h"
#include "texts/strtable.h"
#include "uipathmanager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

#include <limits>

namespace {

const char* const kLanguages[] = {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn", "krn",
                                  "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "tha", "trk"};

// A character that no installed font draws is laid out as glyph 0, the
// empty box; measuring boxes would say nothing about the real text. Empty
// when every character has a glyph of its own.
QString FontsMissingGlyphs(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return "no font at all";
    QStringList missing;
    for (const QGlyphRun& run : runs) {
        if (run.glyphIndexes().contains(0))
            missing << run.rawFont().familyName();
    }
    return missing.join(", ");
}

// Where the label's text puts ink, in the label's coordinates: drawn as the
// label draws it (the style's item text in the contents rectangle) but with
// room all around and no clipping, so that what the label would cut off shows.
QRect PaintedTextBounds(const QLabel& label)
{
    const QRect box = label.contentsRect();
    const int room = box.height() * 4;
    QImage canvas(box.size() + QSize(2 * room, 2 * room), QImage::Format_ARGB32);
    canvas.setDotsPerMeterX(qRound(label.logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(qRound(label.logicalDpiY() / 0.0254));
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(label.font());
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(QRect(QPoint(room, room), box.size()), flags | Qt::TextDontClip, label.text());
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.translated(box.topLeft() - QPoint(room, room));
}

// Start-up's order: the translation of the language, then its font.
class LanguageScope {
public:
    explicit LanguageScope(const QString& code) : previousFont(QApplication::font())
    {
        loaded = translator.load(":/" + code + ".qm");
        QCoreApplication::installTranslator(&translator);
        QApplication::setFont(ApplicationFont(code), nullptr);
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(&translator);
        QApplication::setFont(previousFont);
    }

    bool loaded = false;

private:
    QTranslator translator;
    QFont previousFont;
};

}  // namespace

class ProgressDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sizeFollowsScale_data();
    void sizeFollowsScale();
    void startsHiddenWithItsFixedLook();
    void labelTextFitsInEveryLanguage_data();
    void labelTextFitsInEveryLanguage();
    void userCannotDismissTheShownDialog_data();
    void userCannotDismissTheShownDialog();

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
    // Unset: measured again from the screen, which CTest may have scaled.
    DPIinfo::getInstance()->setDPI(0.0);
    QFile::remove(resources.path() + "/images/ico_72_larkspan.png");
}

void ProgressDialogTest::sizeFollowsScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("size");
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

void ProgressDialogTest::startsHiddenWithItsFixedLook()
{
    ProcessingProgressDialog dialog;
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.minimum(), 0);
    QCOMPARE(dialog.maximum(), 100);
    QCOMPARE(int(dialog.windowFlags() & ~Qt::WindowType_Mask), 0x3000);
    QCOMPARE(dialog.windowModality(), Qt::WindowModal);
    QCOMPARE(dialog.styleSheet(), QString("QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"));
    QCOMPARE(dialog.findChild<QPushButton*>(), nullptr);
    QVERIFY(!dialog.autoReset());
    QCOMPARE(dialog.minimumDuration(), std::numeric_limits<int>::max());
    QVERIFY(!dialog.testAttribute(Qt::WA_QuitOnClose));
}

void ProgressDialogTest::labelTextFitsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("textId");
    for (const char* language : kLanguages) {
        QTest::newRow(qPrintable(QString(language) + " initializing")) << language << kStrInitializingId;
        QTest::newRow(qPrintable(QString(language) + " ready")) << language << kStrReadyId;
    }
}

// Measured with what the label really gets on this machine: its font after
// fallback, its geometry in the fixed-size dialog. CTest runs this case again
// at the screen resolution of each scale (QT_FONT_DPI), which scales the
// font, the progress bar and the dialog (through the scale factor) together.
void ProgressDialogTest::labelTextFitsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, textId);
    const QString scale = qEnvironmentVariable("VELMORA_DIALOG_SCALE");
    if (!scale.isEmpty())
        QVERIFY2(qAbs(DPIinfo::getInstance()->getDPI() - scale.toDouble()) < 0.01, "not at the scale CTest set up");
    LanguageScope scope(language);
    QVERIFY(scope.loaded);
    ProcessingProgressDialog dialog;
    const QString text = LoadStrWithAppName(textId);
    dialog.setLabelText(text);
    dialog.show();
    const QLabel* label = dialog.findChild<QLabel*>();
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), text);
    const QString missing = FontsMissingGlyphs(label->font(), text);
    QVERIFY2(missing.isEmpty(), qPrintable("\"" + text + "\" would show empty boxes (" + missing +
                                           "); scripts/install-deps.sh installs the fonts it needs"));
    const QRect available = label->contentsRect();
    const QRect painted = PaintedTextBounds(*label);
    QVERIFY2(available.contains(painted),
             qPrintable(QString("\"%1\" covers %2x%3 at (%4,%5), the label is %6x%7 at scale %8")
                            .arg(text)
                            .arg(painted.width())
                            .arg(painted.height())
                            .arg(painted.x())
                            .arg(painted.y())
                            .arg(available.width())
                            .arg(available.height())
                            .arg(DPIinfo::getInstance()->getDPI())));
}

namespace {

enum Dismissal { kEscapeKey, kWindowCloseButton, kCloseCall, kReachingHundred };

}  // namespace

void ProgressDialogTest::userCannotDismissTheShownDialog_data()
{
    QTest::addColumn<int>("dismissal");
    QTest::newRow("Esc key") << int(kEscapeKey);
    QTest::newRow("window's close button") << int(kWindowCloseButton);
    QTest::newRow("close()") << int(kCloseCall);
    QTest::newRow("reaching 100") << int(kReachingHundred);
}

// The installation goes on whatever the user does; a dialog that vanished
// would leave them with no sign of it. Only the driver's hide() ends it.
void ProgressDialogTest::userCannotDismissTheShownDialog()
{
    QFETCH(int, dismissal);
    ProcessingProgressDialog dialog;
    dialog.show();
    dialog.setValue(40);
    QVERIFY(dialog.isVisible());
    switch (dismissal) {
        case kEscapeKey:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        case kWindowCloseButton:
            // What the window system sends when its close button is pressed.
            QVERIFY(dialog.windowHandle() != nullptr);
            QVERIFY(!dialog.windowHandle()->close());
            break;
        case kCloseCall:
            QVERIFY(!dialog.close());
            break;
        case kReachingHundred:
            dialog.setValue(100);
            break;
    }
    QCoreApplication::processEvents();
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.wasCanceled());
    QCOMPARE(dialog.value(), dismissal == kReachingHundred ? 100 : 40);
    dialog.hide();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_test.moc"
