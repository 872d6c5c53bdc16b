#include "shell/DataFile.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/TimeUnitTexts.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "shell/FileItems.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

constexpr const char* kNichtVeraendert = "Der Datensatz wurde nicht verändert.";

std::string oneLine(std::string s) {
    for (char& ch : s)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return s;
}

// The fields of a point line as the editor names them.
constexpr const char* kItemNamen[kVrdItemsPerPoint] = {"t",      "c(A)",        "c(B)", "c(C)", "c(P)", "c(Q)",   "k",
                                                       "T",      "lambda",      "lambda(inf)",  "res3", "res4", "exclude(0|-1)"};

// Reads the data set line by line; what is kept grows with the points, never
// with blank lines or overlong lines of the file.
bool parseDataFileLines(TextLineReader& reader, DataFileContent& out, std::string& error) {
    out = DataFileContent{};
    std::string head[4];
    std::size_t got = 0;
    while (got < 4 && reader.next(head[got])) ++got;
    if (!reader.error().empty()) {
        error = reader.error();
        return false;
    }
    if (got == 0) {
        error = "Die Datei ist leer.";
        return false;
    }
    if (got < 4) {
        error = "Unerwartetes Dateiende: Zeile " + std::to_string(got + 1) + " (Zahl der Messpunkte) fehlt.";
        return false;
    }
    out.kommentar = head[0];
    out.zeiteinheit = readTextItem(head[1]);

    if (countItems(head[3]) != 1) {
        error = "Zeile 4: Hier wird nur die Zahl der Messpunkte erwartet.";
        return false;
    }
    long n = 0;
    const ItemError ce = readIntegerItem(head[3], 0, kMaxExpPunkte, n);
    if (ce != ItemError::None) {
        error = itemErrorText(ce, 4, 0, head[3]) + " Die Zahl der Messpunkte muss eine ganze Zahl von 0 bis " +
                std::to_string(kMaxExpPunkte) + " sein.";
        return false;
    }

    std::string line;
    for (long p = 0; p < n; ++p) {
        bool more = false;
        while ((more = reader.next(line)) && trimBlanks(line).empty()) {
        }
        if (!more) {
            error = !reader.error().empty()
                        ? reader.error()
                        : "Unerwartetes Dateiende: angegeben sind " + std::to_string(n) +
                              " Messpunkte, die Datei enthält " + std::to_string(p) + ".";
            return false;
        }
        const int lineNo = static_cast<int>(reader.lineNumber());
        const std::size_t count = countItems(line);
        if (count != kVrdItemsPerPoint) {
            error = "Zeile " + std::to_string(lineNo) + ": " + std::to_string(kVrdItemsPerPoint) +
                    " Werte erwartet, " + std::to_string(count) + " gefunden.";
            return false;
        }
        const auto items = splitItems(line);
        Messpunkt m;
        Single lInfSingle = 0;
        double lInf = 0;
        long aus = 0;
        ItemError e = ItemError::None;
        int bad = 0;
        // t, c, k and T as the editor's fields take them: Doubles within the range of a Single.
        auto dbl = [&](int idx, double& v) {
            if (e == ItemError::None &&
                (e = readDoubleItemSingleRange(items[static_cast<std::size_t>(idx)], v)) != ItemError::None)
                bad = idx;
        };
        auto sgl = [&](int idx, Single& v) {
            if (e == ItemError::None && (e = readSingleItem(items[static_cast<std::size_t>(idx)], v)) != ItemError::None)
                bad = idx;
        };
        dbl(0, m.t);
        for (int j = 1; j <= 5; ++j) dbl(j, m.c[static_cast<std::size_t>(j)]);
        dbl(6, m.k);
        dbl(7, m.Temp);
        sgl(8, m.lambda);
        // lambda(inf) must fit a Single like the point's lambda, but its value
        // is kept as written: passing it through a Single would turn 1.82
        // into 1.82000005245209 at the next save.
        sgl(9, lInfSingle);
        dbl(9, lInf);
        sgl(10, m.res3);
        sgl(11, m.res4);
        if (e == ItemError::None && (e = readIntegerItem(items[12], -32768, 32767, aus)) != ItemError::None) bad = 12;
        if (e != ItemError::None) {
            error = itemErrorText(e, lineNo, bad + 1, items[static_cast<std::size_t>(bad)], kItemNamen[bad]);
            return false;
        }
        m.aus = aus == 0 ? Integer{0} : Integer{-1};
        out.punkte.push_back(m);
        out.lambdaInf.push_back(lInf);
    }
    return true;
}

}  // namespace

bool parseDataFile(std::string_view bytes, DataFileContent& out, std::string& error) {
    TextLineReader reader;
    return reader.openBytes(bytes, error) && parseDataFileLines(reader, out, error);
}

bool formatDataFile(const std::string& kommentar, const std::string& zeiteinheit, const Messpunkt* punkte, int n,
                    double lambdaInf, std::vector<std::string>& lines, std::string& error) {
    lines.clear();
    if (n < 0) n = 0;
    if (!std::isfinite(lambdaInf)) {
        error = "lambda(inf) hat keinen gültigen Zahlenwert.";
        return false;
    }
    lines.reserve(static_cast<std::size_t>(n) + 4);
    lines.push_back(oneLine(kommentar));
    lines.push_back(oneLine(zeiteinheit));
    lines.emplace_back(kVrdKopfzeile);
    lines.push_back(numberItem(n));
    // lambda(inf) is read as a Single: one beyond its range would make the
    // file unreadable, so it is refused here with the reason its reader gives.
    const std::string lInf = numberItemSingleRange(lambdaInf);
    Single lInfBack = 0;
    if (const ItemError e = readSingleItem(lInf, lInfBack); n > 0 && e != ItemError::None) {
        error = itemErrorText(e, 5, 10, lInf, kItemNamen[9]);
        lines.clear();
        return false;
    }
    for (int i = 0; i < n; ++i) {
        const Messpunkt& m = punkte[i];
        bool finite = std::isfinite(m.t) && std::isfinite(m.k) && std::isfinite(m.Temp) && std::isfinite(m.lambda) &&
                      std::isfinite(m.res3) && std::isfinite(m.res4);
        for (int j = 1; j <= 5; ++j) finite = finite && std::isfinite(m.c[static_cast<std::size_t>(j)]);
        if (!finite) {
            error = "Messpunkt " + std::to_string(i + 1) + " enthält einen ungültigen Zahlenwert.";
            lines.clear();
            return false;
        }
        // t, c, k and T are read back within the range of a Single: a value
        // there it would refuse is refused here, with the reason it would give.
        // Where 15 digits would round past what a Single holds (at its edges),
        // the digits that read back as the value itself are written.
        const double spalten[] = {m.t, m.c[1], m.c[2], m.c[3], m.c[4], m.c[5], m.k, m.Temp};
        std::string items[8];
        for (int j = 0; j < 8; ++j) {
            std::string item = numberItem(spalten[j]);
            double back = 0;
            ItemError e = readDoubleItemSingleRange(item, back);
            if (e != ItemError::None) {
                std::string exakt = StrExact(spalten[j]);
                if (!exakt.empty() && exakt.front() == ' ') exakt.erase(0, 1);
                if (readDoubleItemSingleRange(exakt, back) == ItemError::None) {
                    item = exakt;
                    e = ItemError::None;
                }
            }
            if (e != ItemError::None) {
                error = itemErrorText(e, i + 5, j + 1, item, kItemNamen[j]);
                lines.clear();
                return false;
            }
            items[j] = std::move(item);
        }
        std::string l = items[0];
        for (int j = 1; j <= 5; ++j) l += "," + items[j];
        l += "," + items[6];
        l += "," + items[7];
        l += "," + numberItem(m.lambda);
        l += "," + lInf;
        l += "," + numberItem(m.res3);
        l += "," + numberItem(m.res4);
        l += "," + numberItem(m.aus == 0 ? 0 : -1);
        lines.push_back(std::move(l));
    }
    return true;
}

bool prepareDataFileLoad(const std::string& fileName, bool append, PendingDataLoad& pending, std::string& error) {
    pending = PendingDataLoad{};
    pending.append = append;
    TextLineReader reader;
    if (!reader.open(fileName, error)) return false;
    if (!parseDataFileLines(reader, pending.content, error)) {
        error += "\r\n(Datei: " + fileName + ")";
        return false;
    }
    auto& pts = pending.content.punkte;
    const int present = append ? std::max<int>(0, app.nExpPunkte) : 0;
    const long total = static_cast<long>(present) + static_cast<long>(pts.size());
    if (total > kMaxExpPunkte) {
        error = "Zusammen wären es " + std::to_string(total) + " Messpunkte; ein Datensatz fasst höchstens " +
                std::to_string(kMaxExpPunkte) + ".";
        return false;
    }

    const std::string& fileUnit = pending.content.zeiteinheit;
    if (!append || present == 0 || fileUnit == app.sZeiteinheit) {
        pending.zeiteinheit = fileUnit;
        pending.zeitEinheitIdx = static_cast<Integer>(std::max(0, zeitEinheitIndex(fileUnit)));
    } else {
        const int from = zeitEinheitIndex(fileUnit);
        const int to = zeitEinheitIndex(app.sZeiteinheit);
        const double f = zeitfaktor(from, to);
        if (f == 0) {
            error = "Die Zeiteinheit \"" + fileUnit + "\" der Datei passt nicht zur Zeiteinheit \"" + app.sZeiteinheit +
                    "\" des Datensatzes; die Zeiten lassen sich nicht umrechnen.";
            return false;
        }
        for (std::size_t i = 0; i < pts.size(); ++i) {
            pts[i].t *= f;
            if (!std::isfinite(pts[i].t)) {
                error = "Messpunkt " + std::to_string(i + 1) + ": die Zeit lässt sich nicht in \"" + app.sZeiteinheit +
                        "\" umrechnen.";
                return false;
            }
        }
        pending.zeiteinheit = app.sZeiteinheit;
        pending.zeitEinheitIdx = static_cast<Integer>(to);
    }

    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (pts[i].t == 0 && pts[i].aus == 0) pending.lambda0 = pts[i].lambda;
        if (pending.content.lambdaInf[i] > 0) pending.lambdaInf = pending.content.lambdaInf[i];
    }
    return true;
}

void commitDataFile(PendingDataLoad& pending) {
    // Everything that needs memory is made first; the state then changes by
    // moves that cannot fail, so a lack of memory leaves the data set whole.
    auto& pts = pending.content.punkte;
    const int n = static_cast<int>(pts.size());
    const int m = pending.append ? std::max<int>(0, app.nExpPunkte) : 0;
    std::vector<Messpunkt> daten;
    if (pending.append) daten = app.ExpDaten;
    daten.resize(std::max<std::size_t>(static_cast<std::size_t>(m + n) + 1, 2));
    if (!pending.append) std::fill(daten.begin(), daten.end(), Messpunkt{});
    std::copy(pts.begin(), pts.end(), daten.begin() + m + 1);
    if (!pending.append) app.ExpKommentar.swap(pending.content.kommentar);
    app.ExpDaten.swap(daten);
    app.nExpPunkte = static_cast<Integer>(m + n);
    datensatzGeschrieben();
    app.sZeiteinheit.swap(pending.zeiteinheit);
    app.iZeitEinheit = pending.zeitEinheitIdx;
    app.Lambda0 = pending.lambda0;
    // A data set read from a file has the file's lambda(inf), none (0) when the
    // file holds none; appended points keep the data set's unless their file has one.
    if (pending.lambdaInf) app.LambdaInf = *pending.lambdaInf;
    else if (!pending.append) app.LambdaInf = 0;
}

void reportDataLoadFailure(const std::string& error) {
    showFailure("LoadDataFile", error + "\r\n\r\n" + kNichtVeraendert);
}

void LoadDataFile(const std::string& fileName, bool append, bool& ok) {
    try {
        PendingDataLoad pending;
        std::string error;
        if (!prepareDataFileLoad(fileName, append, pending, error)) {
            reportDataLoadFailure(error);
            return;
        }
        commitDataFile(pending);
        ok = true;
    } catch (const std::exception& e) {
        reportDataLoadFailure(exceptionText(e));
    }
}

void WriteDataFile(const std::string& fileName, bool& ok) {
    ok = true;
    std::string error;
    try {
        const int n = std::clamp<int>(app.nExpPunkte, 0, static_cast<int>(app.ExpDaten.size()) - 1);
        std::vector<std::string> lines;
        if (formatDataFile(app.ExpKommentar, app.sZeiteinheit, app.ExpDaten.data() + 1, n, app.LambdaInf, lines,
                           error) &&
            writeTextLines(fileName, lines, error))
            return;
    } catch (const std::exception& e) {
        error = exceptionText(e);
    }
    showFailure("WriteDataFile", error);
    ok = false;
}

void ViewBatchFile(const std::string& fileName, std::string& firstLine, bool& ok) {
    ok = false;
    std::string error;
    try {
        std::vector<std::string> lines;
        if (readFirstLines(fileName, 1, lines, error)) {
            if (!lines.empty()) {
                firstLine = lines[0];
                ok = true;
                return;
            }
            error = "Die Datei ist leer: " + fileName;
        }
    } catch (const std::exception& e) {
        error = exceptionText(e);
    }
    showFailure("ViewBatchFile", error);
}

}  // namespace vrn
