#include "StatementUse.h"

CStatementUse::CStatementUse(sqlite3* db, const char* sql) : m_owned(true)
{
    if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
        m_stmt = nullptr;
}
