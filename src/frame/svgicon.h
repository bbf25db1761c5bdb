#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// An icon drawn from an SVG picture at the given pixel sizes, so no icon plugin is needed at run time.
QIcon IconFromSvg(const QString &file, const QList<int> &sizes = {16, 22, 24, 32, 48});
