#!/usr/bin/python3
"""An FTP (or, with --tls, explicit-TLS FTPS) server on 127.0.0.1 for the upload tests.

Serves ROOT to one user; the password comes from the environment (TEST_FTP_PASSWORD) so that it
is on no command line. Prints the port it listens on, then serves until killed.
"""
import argparse
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def tls_handler(cert):
    from OpenSSL import SSL
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

    class DataHandler(TLS_DTPHandler):
        # pyftpdlib 1.5.7 closes a data connection that is readable before the transfer command
        # arrives, which is always the case for TLS (the client's hello comes first): let the
        # handshake read instead.
        def readable(self):
            return True if self._ssl_accepting else super().readable()

    class Handler(TLS_FTPHandler):
        certfile = cert
        tls_control_required = True
        tls_data_required = True
        dtp_handler = DataHandler

    # TLS 1.3 sends session tickets after the handshake; an uploading client never reads them
    # and so resets the data connection when it closes it, and pyftpdlib then loses the data
    # still unread while reporting the transfer complete. TLS 1.2 sends none.
    context = Handler.get_ssl_context()
    context.set_max_proto_version(SSL.TLS1_2_VERSION)
    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--user", default="tester")
    parser.add_argument("--tls-cert")
    parser.add_argument("--throttle", type=int, default=0, help="bytes a second received")
    parser.add_argument("--no-size", action="store_true", help="answer SIZE as an unknown command")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, os.environ["TEST_FTP_PASSWORD"], args.root, perm="elradfmwMT")
    handler = tls_handler(args.tls_cert) if args.tls_cert else FTPHandler
    handler.authorizer = authorizer
    # A refused log-in is answered at once, not after the usual pause against guessing.
    handler.auth_failed_timeout = 0
    handler.passive_ports = None
    if args.no_size:
        handler.proto_cmds = {name: cmd for name, cmd in handler.proto_cmds.items() if name != "SIZE"}
    if args.throttle:
        class Slow(ThrottledDTPHandler):
            read_limit = args.throttle
        handler.dtp_handler = Slow
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.socket.getsockname()[1], flush=True)
    sys.stdout.close()
    server.serve_forever()


if __name__ == "__main__":
    main()
