#pragma once

namespace klangtruhe {

// The busy mouse pointer while a database operation or list load runs.
// Nested uses are counted; the normal pointer returns with the last one.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

    // Ends the busy look early (a failure report is about to be shown).
    void release();

private:
    bool m_active = true;
};

} // namespace klangtruhe
