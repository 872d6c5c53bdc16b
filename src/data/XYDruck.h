// The printed x-y list ("Liste drucken" of the x-y editor).
#pragma once

#include <QDateTime>
#include <QString>

class QWidget;

namespace vrn {

// The stamp of the printed list. Without a file name: the locale's short
// date of jetzt, ", ", its hours and minutes and " Uhr". With one: the date
// and time of the file's last change in the locale's short forms (no
// seconds) and " Uhr"; a file that is gone gives jetzt in that form.
QString xyDruckStempel(const QString& dateiName, const QDateTime& jetzt);

// Prints the list of XYDaten (see xyDruckliste) in "Courier New" 10 through
// the print dialog (tests: into the PDF file set for them). False when
// cancelled or printing failed.
bool druckeXYListe(QWidget* parent);

}  // namespace vrn
