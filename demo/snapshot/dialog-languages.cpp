// Draws the launcher's progress dialog in every language it carries into one
// picture, so that anyone can see whether a text is cut off or shows empty
// boxes: per language its code and window title, the dialog while the
// installation runs and the dialog once it is ready.
//
//   dialog-languages <output.png>
//
// Each language is drawn by a run of its own (dialog-languages --language
// <code> <tile.png>) told the language through FC_LANG, as on a machine set
// to that language: Chinese, Japanese and Korean share characters and take
// their glyph forms from the language. The dialogs come out at the screen's
// scale; QT_FONT_DPI=192 draws them as at scale 2.0.
#include "driver/app-font.h"
#include "driver/progress-dialog.h"
#include "texts/strtable.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>

namespace {

const int kColumns = 3;
const int kProgressWhileRunning = 40;

// The codes of the translations in the resources ("chs", "cht", ...).
QStringList CarriedLanguages()
{
    QStringList codes = QDir(":/").entryList({"*.qm"}, QDir::Files, QDir::Name);
    for (QString& code : codes)
        code.chop(3);
    return codes;
}

// Fontconfig's name of the translation's language: "zh_CN" is "zh-cn".
QString FontconfigLanguage(const QString& code)
{
    QTranslator translator;
    if (!translator.load(":/" + code + ".qm"))
        return QString();
    return translator.language().replace('_', '-').toLower();
}

QImage DialogPicture(const QString& label, int value)
{
    ProcessingProgressDialog dialog;
    dialog.setLabelText(label);
    dialog.setValue(value);
    dialog.show();
    return dialog.grab().toImage();
}

// The window title as a title bar would show it, above the two dialogs.
void DrawTitleBar(QPainter& painter, const QRect& bar, const QString& code, const QString& title)
{
    painter.fillRect(bar, QColor(0xdd, 0xdd, 0xdd));
    painter.setPen(Qt::darkGray);
    painter.drawText(bar.adjusted(bar.height() / 3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, code);
    painter.setPen(Qt::black);
    painter.drawText(bar, Qt::AlignCenter, title);
}

// One language: as start-up does, its translation, then its font.
int DrawLanguage(const QString& code, const QString& output)
{
    StrTable::InitStrTable();
    QTranslator translator;
    if (!translator.load(":/" + code + ".qm")) {
        fprintf(stderr, "dialog-languages: no translation '%s'\n", qPrintable(code));
        return 1;
    }
    QCoreApplication::installTranslator(&translator);
    QApplication::setFont(ApplicationFont(code), nullptr);

    const QImage running = DialogPicture(LoadStrWithAppName(kStrInitializingId), kProgressWhileRunning);
    const QImage ready = DialogPicture(LoadStrWithAppName(kStrReadyId), 100);
    const int barHeight = running.height() * 3 / 10;
    const int gap = barHeight / 4;
    QImage tile(running.width(), barHeight + running.height() + gap + ready.height(), QImage::Format_RGB32);
    tile.fill(Qt::white);
    QPainter painter(&tile);
    painter.setFont(QApplication::font());
    DrawTitleBar(painter, QRect(0, 0, tile.width(), barHeight), code, StrTable::LoadStr(kStrAppNameId));
    painter.drawImage(0, barHeight, running);
    painter.drawImage(0, barHeight + running.height() + gap, ready);
    painter.end();
    return tile.save(output) ? 0 : 1;
}

// Every language in a run of its own, laid out in rows of kColumns.
int DrawAllLanguages(const QString& program, const QString& output)
{
    QTemporaryDir tiles;
    QList<QImage> images;
    for (const QString& code : CarriedLanguages()) {
        const QString tile = tiles.filePath(code + ".png");
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FC_LANG", FontconfigLanguage(code));
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        run.start(program, {"--language", code, tile});
        if (!run.waitForFinished(-1) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
            fprintf(stderr, "dialog-languages: drawing '%s' failed\n", qPrintable(code));
            return 1;
        }
        images << QImage(tile);
    }
    if (images.isEmpty()) {
        fprintf(stderr, "dialog-languages: no translations in the resources\n");
        return 1;
    }
    const QSize cell = images.first().size();
    const int margin = cell.height() / 10;
    const int rows = (images.size() + kColumns - 1) / kColumns;
    QImage picture(kColumns * (cell.width() + margin) + margin, rows * (cell.height() + margin) + margin,
                   QImage::Format_RGB32);
    picture.fill(QColor(0x88, 0x88, 0x88));
    QPainter painter(&picture);
    for (int i = 0; i < images.size(); ++i) {
        painter.drawImage(margin + (i % kColumns) * (cell.width() + margin),
                          margin + (i / kColumns) * (cell.height() + margin), images[i]);
    }
    painter.end();
    if (!picture.save(output)) {
        fprintf(stderr, "dialog-languages: cannot write '%s'\n", qPrintable(output));
        return 1;
    }
    printf("%s: %d languages, %dx%d\n", qPrintable(output), images.size(), picture.width(), picture.height());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == "--language")
        return DrawLanguage(arguments[2], arguments[3]);
    if (arguments.size() == 2)
        return DrawAllLanguages(QCoreApplication::applicationFilePath(), arguments[1]);
    fprintf(stderr, "usage: dialog-languages <output.png>\n");
    return 2;
}
