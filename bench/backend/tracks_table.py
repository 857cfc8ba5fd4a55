#!/usr/bin/env python3
"""The statements of bench_backend_tracks_table, run through Python's sqlite3 module on the same schema:
N inserts in one transaction, a full read back in pages of 3000 rows, N updates by
(PersistentID, Type) in one transaction. Prints one line: "python insert <ms> read <ms> update <ms>".
Usage: tracks_table.py <tracks> <database file>"""
import os
import sqlite3
import sys
import time

COLUMNS = ("PersistentID,Name,TotalTime,Artist,Album,Size,Location,ArtPath,Absence,State,"
           "RepeatID,Type,Year,Genre,Bitrate,NameOld,ArtistOld,AlbumOld,YearOld,GenreOld")


def main():
    count = int(sys.argv[1])
    path = sys.argv[2]
    if os.path.exists(path):
        os.remove(path)
    db = sqlite3.connect(path, isolation_level=None)
    db.execute("create table TracksTable(TrackID integer,PersistentID text,Name text,TotalTime text,"
               "Artist text,Album text,Size text,Location text,ArtData blob,ArtPath text,"
               "Absence integer,State integer,RepeatID integer,Type integer,Year text,Genre text,"
               "Bitrate text,TrashPath text,NameOld text,ArtistOld text,AlbumOld text,YearOld text,"
               "GenreOld text,Purchased text)")
    db.execute("create index if not exists TracksTablePidType on TracksTable(PersistentID, Type)")

    start = time.perf_counter()
    db.execute("begin transaction")
    insert = "insert into TracksTable values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"
    for i in range(count):
        pid = "%016X" % (0x5EED0000 + i)
        name = "Track number %d" % i
        location = "/home/user/Music/Artist/Album/%d.mp3" % i
        db.execute(insert, (i, pid, name, "215000", "Some Artist", "Some Album", "8600000", location, None, None,
                            0, 0, 0, 1, "2004", "Rock", "320", None, name, "Some Artist", "Some Album", "2004",
                            "Rock", ""))
    db.execute("commit transaction")
    insert_ms = (time.perf_counter() - start) * 1000

    start = time.perf_counter()
    total = db.execute("select count(*) from TracksTable").fetchone()[0]
    page = "select rowid," + COLUMNS + " from TracksTable where rowid > ? order by rowid limit ?"
    last, rows, name_bytes = 0, 0, 0
    while rows < total:
        got = db.execute(page, (last, 3000)).fetchall()
        if not got:
            break
        for row in got:
            name_bytes += len(row[2])
        rows += len(got)
        last = got[-1][0]
    read_ms = (time.perf_counter() - start) * 1000

    start = time.perf_counter()
    db.execute("begin transaction")
    update = "update TracksTable set Absence = ? where PersistentID = ? and Type = ?"
    for i in range(count):
        db.execute(update, (0x800, "%016X" % (0x5EED0000 + i), 1))
    db.execute("commit transaction")
    update_ms = (time.perf_counter() - start) * 1000
    db.close()
    print("python insert %.0f read %.0f update %.0f rows %d name_bytes %d" % (insert_ms, read_ms, update_ms, rows,
                                                                                name_bytes))


if __name__ == "__main__":
    main()
