// The behaviour cases of the string table and its translations, each row
// through the real table and the translation resources built into it.
#include "texts/strtable.h"

#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// Holds one translation, of the English ready text.
class ReadyTextTranslator : public QTranslator {
public:
    explicit ReadyTextTranslator(QString answer) : answer(std::move(answer)) {}

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "global") == 0 && qstrcmp(source, "%1 is ready.") == 0 ? answer : QString();
    }

    bool isEmpty() const override { return false; }

private:
    QString answer;
};

// "": no translator; ":/code.qm": that translation resource; else a
// translator of the ready text into the given one.
std::unique_ptr<QTranslator> translatorFor(const QString& translation)
{
    if (translation.isEmpty())
        return nullptr;
    if (!translation.startsWith(":/"))
        return std::make_unique<ReadyTextTranslator>(translation);
    auto translator = std::make_unique<QTranslator>();
    return translator->load(translation) ? std::move(translator) : nullptr;
}

// LoadStr of id with the translation installed.
QString loadWith(const QString& translation, int id)
{
    const std::unique_ptr<QTranslator> translator = translatorFor(translation);
    if (!translation.isEmpty() && !(translator && QCoreApplication::installTranslator(translator.get())))
        return "no translator for " + translation;
    const QString text = StrTable::LoadStr(id);
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    return text;
}

const QString kThaiReady = QString::fromUtf8(
    "%1 \u0e1e\u0e23\u0e49\u0e2d\u0e21\u0e43\u0e0a\u0e49\u0e07\u0e32\u0e19"
    "\u0e41\u0e25\u0e49\u0e27");

}  // namespace

class StringTableCases : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { StrTable::InitStrTable(); }
    void textOfAnId_data();
    void textOfAnId();
    void idOfAKey_data();
    void idOfAKey();
    void sharedTextInEveryLanguage_data();
    void sharedTextInEveryLanguage();
};

void StringTableCases::textOfAnId_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("filling");  // for "%1", when not null
    QTest::addColumn<QString>("expected");
    QTest::newRow("AppNameWithoutATranslator") << "" << 879 << QString() << "Velmora Drive Client";
    QTest::newRow("InitializingTextWithoutATranslator") << "" << 549 << QString() << "%1 is initializing...";
    QTest::newRow("InitializingTextWithTheAppNameFilledIn") << "" << 549 << "Velmora Drive Client"
                                                            << "Velmora Drive Client is initializing...";
    QTest::newRow("ReadyTextWithoutATranslator") << "" << 532 << QString() << "%1 is ready.";
    QTest::newRow("ThaiReadyTextKeepsItsMarker") << ":/tha.qm" << 532 << QString() << kThaiReady;
    QTest::newRow("ThaiReadyTextFilledIn") << ":/tha.qm" << 532 << "X" << kThaiReady.arg("X");
    // The replacement is case-sensitive.
    QTest::newRow("EscapedLineBreakAndTabInATranslation")
        << "%1\\nis\\tready \\N\\T" << 532 << QString() << "%1\nis\tready \\N\\T";
}

void StringTableCases::textOfAnId()
{
    QFETCH(QString, translation);
    QFETCH(int, id);
    QFETCH(QString, filling);
    QFETCH(QString, expected);
    const QString text = loadWith(translation, id);
    QCOMPARE(filling.isNull() ? text : text.arg(filling), expected);
}

void StringTableCases::idOfAKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("id");
    QTest::newRow("KeyInCapitals") << "APP_NAME_DRIVE_CLIENT" << 879;
    QTest::newRow("KeyNotInTheTable") << "app_name_drive_server" << -1;
    QTest::newRow("EmptyKey") << "" << -1;
    QTest::newRow("FirstKey") << "tray_delete" << 0;
}

void StringTableCases::idOfAKey()
{
    QFETCH(QString, key);
    QFETCH(int, id);
    QCOMPARE(StrTable::LookupStrID(key), id);
}

void StringTableCases::sharedTextInEveryLanguage_data()
{
    QTest::addColumn<QString>("translation");
    for (const char* code : {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn", "krn",
                             "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "tha", "trk"})
        QTest::newRow(code) << QString(":/%1.qm").arg(code);
}

// Ids 572 and 637 share their English text, so they share its translation.
void StringTableCases::sharedTextInEveryLanguage()
{
    QFETCH(QString, translation);
    const QString drive = loadWith(translation, 572);
    QCOMPARE(loadWith(translation, 637), drive);
    QVERIFY2(!drive.startsWith("no translator"), qPrintable(drive));
}

QTEST_GUILESS_MAIN(StringTableCases)
#include "conformance_texts_test.moc"
