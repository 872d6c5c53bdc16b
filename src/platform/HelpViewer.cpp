#include "platform/HelpViewer.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "platform/Forms.h"
#include "platform/Paths.h"

namespace vrn {

namespace {
QPointer<QTextBrowser> gBrowser;
}

QString helpPagePath(int context) { return resourceFolder() + "/help/" + QString::number(context) + ".html"; }

void HtmlHelp(int context) {
    if (!gBrowser) {
        gBrowser = new QTextBrowser(Forms::mainWindow());
        gBrowser->setWindowFlags(Qt::Window);
        gBrowser->setAttribute(Qt::WA_DeleteOnClose, true);
        gBrowser->setWindowTitle("VARNOLT Hilfe");
        gBrowser->resize(640, 520);
        gBrowser->setOpenExternalLinks(false);
        gBrowser->setSearchPaths({resourceFolder() + "/help"});
    }
    const QString path = helpPagePath(context);
    if (QFile::exists(path)) {
        gBrowser->setSource(QUrl::fromLocalFile(path));
    } else {
        gBrowser->setHtml(QString("<h3>VARNOLT Hilfe</h3><p>Zu diesem Thema (Hilfe-Kontext %1) "
                                  "gibt es noch keine Hilfeseite.</p>"
                                  "<p><a href=\"index.html\">Zur Übersicht</a></p>")
                              .arg(context));
    }
    gBrowser->show();
    gBrowser->raise();
}

void HtmlHelpCloseAll() {
    if (gBrowser) gBrowser->close();
}

QTextBrowser* helpBrowser() { return gBrowser.data(); }

}  // namespace vrn
