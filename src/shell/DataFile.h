// The data-set file ("Datenfile", *.VRD): one measured data set as text.
//
//   line 1   the comment ExpKommentar (whole line)
//   line 2   the time unit: "s", "min", "h", "d" or "a"
//   line 3   "t, cA, cB, cC, cP, cQ, k, T, lambda, lamda(inf), res3, res4, exclude(0|-1)"
//   line 4   the number of points n (0..32767)
//   then     one line per point, 13 items: t, c(A)..c(Q), k, T, lambda,
//            lambda(inf) (the data set's LambdaInf on every line), res3, res4,
//            the exclusion flag (0 active, -1 excluded)
//
// Items follow shell/FileItems.h: doubles for t, c, k and T (15 digits),
// read within the range of a Single as the editor's fields take them (a
// value it would refuse typed, 1E+39 or 1E-46, is refused and named with its
// line and field), singles for lambda, res3 and res4, lambda(inf) written as
// a double and read as a single. Blank lines among the point lines are skipped; lines after the
// n-th point are ignored. Any other exclusion value than 0 reads as -1.
// Text follows shell/TextFile.h (CR LF, Latin-1, read UTF-8 or Latin-1).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"

namespace vrn {

inline constexpr const char* kVrdKopfzeile =
    "t, cA, cB, cC, cP, cQ, k, T, lambda, lamda(inf), res3, res4, exclude(0|-1)";
inline constexpr int kMaxExpPunkte = 32767;
inline constexpr int kVrdItemsPerPoint = 13;


// A data-set file as read, not yet taken into the program.
struct DataFileContent {
    std::string kommentar;
    std::string zeiteinheit;
    std::vector<Messpunkt> punkte;      // the n points, in file order
    std::vector<double> lambdaInf;      // lambda(inf) of each point line
};

// Reads the text of a data-set file. False with a German failure text (which
// names the line) when the file does not hold a complete, valid data set;
// out is then unspecified. Never throws.
bool parseDataFile(std::string_view bytes, DataFileContent& out, std::string& error);

// The lines of a data-set file. False with a failure text when a value is not
// finite, or when a value its reader would refuse is to be written (t, c, k,
// T beyond the range of a Single or too near 0 for one; lambda(inf) beyond
// the range of a Single), with the reason the reader would give ("Zeile 5,
// Wert 10 (lambda(inf)): ... liegt außerhalb des zulässigen Bereichs.");
// nothing should be written then. Line
// breaks inside the comment and the unit become blanks.
bool formatDataFile(const std::string& kommentar, const std::string& zeiteinheit, const Messpunkt* punkte,
                    int n, double lambdaInf, std::vector<std::string>& lines, std::string& error);

// Reads the file into the data set. Replace (append false): ExpDaten points
// 1..n, nExpPunkte, ExpKommentar, sZeiteinheit and iZeitEinheit (0 for an
// unknown unit text) come from the file. Append: the points go after the
// present ones and the comment is dropped; when the data set already has
// points in another known unit the new times are converted into the present
// unit, which stays; into an empty data set the file's unit is taken over.
// Both: Lambda0 := lambda of the last active point of the file with t = 0
// (else 0); LambdaInf := the last positive lambda(inf) of the file; when the
// file has none, 0 on replace and kept on append. ExpDateiName and
// bDatenGeaendert are not touched.
// ok := true when the file was taken; on any failure (missing file, too few
// lines or items, a text where a number belongs, a number that is not finite,
// a count outside 0..32767 or more points than lines, more than 32767 points
// in all, an appended unit that cannot be converted) nothing of the program's
// state changes, ok keeps its value and "Meldung von LoadDataFile" says why.
void LoadDataFile(const std::string& fileName, bool append, bool& ok);

// Reads and checks a file for LoadDataFile without changing anything; the
// loaded state is applied by commitDataFile. False with a failure text.
struct PendingDataLoad {
    bool append = false;
    DataFileContent content;
    std::string zeiteinheit;            // the unit the data set has afterwards
    Integer zeitEinheitIdx = 0;
    double lambda0 = 0;
    std::optional<double> lambdaInf;
};
bool prepareDataFileLoad(const std::string& fileName, bool append, PendingDataLoad& pending, std::string& error);
void commitDataFile(PendingDataLoad& pending);
// "Meldung von LoadDataFile" with the failure text and the note that the data
// set was not changed.
void reportDataLoadFailure(const std::string& error);

// Writes the data set (ExpKommentar, sZeiteinheit, points 1..nExpPunkte with
// excluded ones, LambdaInf) to the file. ok := true when written; on failure
// ok := false and "Meldung von WriteDataFile" says why. An existing file is
// replaced only by a completely written one.
void WriteDataFile(const std::string& fileName, bool& ok);

// The first line of a file (the comment of a data-set file), for the open
// dialog's preview. ok := true when read; on failure ok := false and
// "Meldung von ViewBatchFile" says why. Changes no state.
void ViewBatchFile(const std::string& fileName, std::string& firstLine, bool& ok);

}  // namespace vrn
