"""A scripted SMTP server whose replies are as short as the protocol allows.

Greets with a two-line reply, answers EHLO with a three-line reply ending in a bare "250",
and every other command with a bare code ("250\r\n", "354\r\n", "235\r\n"). Prints
"PORT <n>", serves connections one after another and saves each message's data as received
(still dot-stuffed) to data-<n>.txt. With the argument "hangup" it sends half a greeting
and closes every connection instead; with "trickle" it sends a greeting one byte at a time,
slowly, and never finishes the line.
"""
import os
import socket
import sys
import time


def serve(conn, out_dir, number, mode):
    if mode == "hangup":
        conn.sendall(b"220-half a greeting\r\n")
        return
    if mode == "trickle":
        try:
            for _ in range(600):
                conn.sendall(b"2")
                time.sleep(0.05)
        except OSError:
            pass
        return
    reader = conn.makefile("rb")

    def send(text):
        conn.sendall(text.encode())

    send("220-mail.test greets you\r\n220 ready\r\n")
    while True:
        line = reader.readline()
        if not line:
            return
        command = line.strip().upper()
        if command.startswith(b"EHLO"):
            send("250-mail.test\r\n250-AUTH PLAIN LOGIN\r\n250\r\n")
        elif command.startswith(b"AUTH"):
            send("235\r\n")
        elif command == b"DATA":
            send("354\r\n")
            data = bytearray()
            while True:
                chunk = reader.readline()
                if not chunk or chunk == b".\r\n":
                    break
                data += chunk
            with open(os.path.join(out_dir, "data-%d.txt" % number), "wb") as f:
                f.write(bytes(data))
            send("250\r\n")
        elif command == b"QUIT":
            send("221\r\n")
            return
        else:
            send("250\r\n")


def main():
    out_dir = sys.argv[1]
    mode = sys.argv[2] if len(sys.argv) > 2 else ""
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(4)
    print("PORT %d" % listener.getsockname()[1], flush=True)
    number = 0
    while True:
        conn, _ = listener.accept()
        number += 1
        try:
            serve(conn, out_dir, number, mode)
        finally:
            conn.close()


if __name__ == "__main__":
    main()
