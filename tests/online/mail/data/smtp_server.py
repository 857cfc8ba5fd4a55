"""An aiosmtpd server for the mail tests.

Listens on 127.0.0.1 (a free port), prints "PORT <n>" once it accepts connections, and saves
every accepted message as mail-<n>.eml (the data as received, dots un-stuffed) with its
envelope in mail-<n>.json. Recipients containing "refuse" are refused with 550.
"""
import argparse
import asyncio
import json
import os
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Saver:
    def __init__(self, out_dir):
        self.out_dir = out_dir
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if "refuse" in address:
            return "550 No such user here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.out_dir, "mail-%d" % self.count)
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".json", "w") as f:
            json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos,
                       "tls": session.ssl is not None
                       or server.transport.get_extra_info("ssl_object") is not None}, f)
        return "250 Message accepted"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", choices=["plain", "ssl", "starttls"], default="plain")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user")
    parser.add_argument("--password")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    # AUTH without TLS is what the plain-connection tests exercise.
    warnings.simplefilter("ignore")

    context = None
    if args.cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    handler = Saver(args.out)
    kwargs = {"hostname": "mail.test"}
    if args.user is not None:
        def authenticator(server, session, envelope, mechanism, auth_data):
            ok = (isinstance(auth_data, LoginPassword)
                  and auth_data.login == args.user.encode()
                  and auth_data.password == args.password.encode())
            return AuthResult(success=ok, handled=False)
        kwargs.update(authenticator=authenticator, auth_required=True, auth_require_tls=False)
    if args.mode == "starttls":
        kwargs.update(tls_context=context, require_starttls=True)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(loop.create_server(
        lambda: SMTP(handler, loop=loop, **kwargs), "127.0.0.1", 0,
        ssl=context if args.mode == "ssl" else None))
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
    try:
        loop.run_forever()
    finally:
        server.close()


if __name__ == "__main__":
    sys.exit(main())
