#pragma once

#include <sqlite3.h>

// One use of an SQLite statement, the set-up every query of the tracks table shares. A
// connection's kept statement is reset and its bindings dropped when the use ends (an unbound
// parameter is NULL, and no binding may outlive the caller's texts); a statement prepared for
// this use alone is finalized. The caller binds through get() and reads a row's columns through
// it. Used by one thread at a time, like the connection it belongs to.
class CStatementUse
{
public:
    // A connection's kept statement; null when its prepare failed.
    explicit CStatementUse(sqlite3_stmt* kept) : m_stmt(kept) {}
    // A statement for this use alone; null when it does not prepare (nothing is logged).
    CStatementUse(sqlite3* db, const char* sql);
    ~CStatementUse()
    {
        if (!m_stmt)
            return;
        if (m_owned)
        {
            sqlite3_finalize(m_stmt);
            return;
        }
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    CStatementUse(const CStatementUse&) = delete;
    CStatementUse& operator=(const CStatementUse&) = delete;

    explicit operator bool() const { return m_stmt != nullptr; }
    sqlite3_stmt* get() const { return m_stmt; }
    // One step: SQLITE_ROW, SQLITE_DONE or the error.
    int step() { return sqlite3_step(m_stmt); }
    // Steps to the end, handing every row to `row`. SQLITE_OK or the step's error.
    template <typename Row> int eachRow(Row&& row)
    {
        int rc;
        while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW)
            row(m_stmt);
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    int run()
    {
        return eachRow([](sqlite3_stmt*) {});
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_owned = false;
};
