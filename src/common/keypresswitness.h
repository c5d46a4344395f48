#pragma once

class QKeyEvent;

namespace klangtruhe {

// A key's release counts only where its press was seen: Enter that answers a
// message dialog is released over the list the focus returns to, and must not
// start the list's action there.
class KeyPressWitness {
public:
    void pressed(const QKeyEvent *event);
    // True once for the release of the key last pressed here.
    bool released(const QKeyEvent *event);

private:
    int m_key = 0;
};

} // namespace klangtruhe
