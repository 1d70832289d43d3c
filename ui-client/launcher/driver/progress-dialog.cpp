#include "driver/progress-dialog.h"

#include "dpiinfo.h"
#include "service/service-registry.h"
#include "texts/strtable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>

#include <limits>

namespace {

const int kBaseWidth = 400;
const int kBaseHeight = 80;
const char kStyleSheet[] = "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }";

}  // namespace

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags())
{
    const QFont appFont = QApplication::font();
    const QString iconPath = NativeRegistryPath(kRootResourcePath) + "/images/ico_72_larkspan.png";

    setWindowTitle(StrTable::LoadStr(kStrAppNameId));
    // A missing icon file gives an empty icon: the window simply has none.
    setWindowIcon(QIcon(iconPath));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    setLabelText(LoadStrWithAppName(kStrInitializingId));
    setFont(appFont);
    setModal(true);
    setWindowModality(Qt::WindowModal);

    DPIinfo* dpi = DPIinfo::getInstance();
    setFixedSize(static_cast<int>(kBaseWidth * dpi->getDPI()), static_cast<int>(kBaseHeight * dpi->getDPI()));
    setStyleSheet(dpi->getScaledStyleSheet(kStyleSheet));

    // No cancel button: the installation cannot stop half-way, and Esc
    // would press it.
    setCancelButton(nullptr);
    // Reaching 100 must neither reset nor hide it: the driver hides it.
    setAutoReset(false);
    // The toolkit would show it by itself after a few seconds, even on a run
    // that needs no upgrade; only the driver shows it.
    setMinimumDuration(std::numeric_limits<int>::max());
    // Being the last window closed must not quit the event loop under the
    // running installation.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void ProcessingProgressDialog::reject() {}

// The base class would cancel, which hides the dialog for good while the
// installation goes on behind it.
void ProcessingProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
