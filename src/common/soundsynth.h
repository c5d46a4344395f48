#pragma once
#include <QByteArray>
namespace klangtruhe {
QByteArray demoTrack(int seed, double seconds);
}
