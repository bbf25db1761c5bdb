#pragma once

#include <QString>

#include <bitset>
#include <initializer_list>

// File kinds: indexes into a fixed table of extensions (0 = none). The entries ".sr*" and ".x*" are
// patterns: ".srf" is of kind fkSr, a language file ".xde" of kind fkX.
enum TBSFileKind : int {
    fkNone = 0, fkBmp, fkCf, fkCsv, fkDat, fkDbf, fkDgn, fkDoc, fkDot, fkDsv, fkDxf,
    fkEcw, fkErr, fkExe, fkFbk, fkFbz, fkFdb, fkGbk, fkGdf, fkGif, fkHtm,
    fkIni, fkJpg, fkKml, fkLef, fkLog, fkLxf, fkMdb, fkMif, fkP91, fkPdf,
    fkPng, fkShp, fkSql, fkSr, fkTif, fkTxt, fkWmf, fkXls, fkXml, fkXlt,
    fkZip, fkX,
};

constexpr int BSFileKindCount = 43;

// A set of kinds: bit i stands for kind i.
using TBSFileKinds = std::bitset<BSFileKindCount>;
TBSFileKinds BSFileKinds(std::initializer_list<int> kinds);

// The table entry of a kind with its dot (".pdf"); empty for 0 and for an index outside the table.
QString BSFileKindExtension(int kind);

// The kind of an extension given with its dot, compared without regard to case; the first entry whose
// extension (or pattern) matches wins; 0 when none does.
int BSFileKindOfExtension(const QString &extension);

// The search patterns of a set of kinds: "*" + extension of every kind in the set, in index order, joined
// by ";"; an empty set (or one holding only kind 0) gives "*.*".
QString BSFileKindPatterns(const TBSFileKinds &kinds);
