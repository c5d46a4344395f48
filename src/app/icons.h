#pragma once
#include <QIcon>
namespace klangtruhe {
QIcon klangtruheIcon(const QString &name);
}
