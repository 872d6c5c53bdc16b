#include "data/XYDruck.h"

#include <QFileInfo>
#include <QFont>
#include <QLocale>

#include "data/XYOperations.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"
#include "shell/AppState.h"

namespace vrn {

QString xyDruckStempel(const QString& dateiName, const QDateTime& jetzt) {
    const QLocale loc;
    if (dateiName.isEmpty())
        return loc.toString(jetzt.date(), QLocale::ShortFormat) + ", " + jetzt.toString("HH:mm") + " Uhr";
    QDateTime t = QFileInfo(dateiName).lastModified();
    if (!t.isValid()) t = jetzt;
    return loc.toString(t.date(), QLocale::ShortFormat) + " " + t.toString("HH:mm") + " Uhr";
}

bool druckeXYListe(QWidget* parent) {
    const QString datei = toQ(app.XYDateiName);
    const QString stempel = xyDruckStempel(datei, QDateTime::currentDateTime());
    const std::vector<std::string> lines = xyDruckliste(toStd(datei.toUpper()), !datei.isEmpty(), toStd(stempel));
    QString text;
    for (const std::string& l : lines) text += toQ(l) + "\n";
    return printText(text, QFont("Courier New", 10), parent);
}

}  // namespace vrn
