#!/usr/bin/env python3
"""A throw-away FTP server on 127.0.0.1 for the tests.

Usage: ftp_test_server.py ROOT USER PASSWORD READER
USER may store files in ROOT; READER (same password) may log in and list, but not store.
Prints the port it listens on, then serves until its standard input closes, so it never
outlives the test that started it.
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root, user, password, reader = sys.argv[1:5]
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmw")
    authorizer.add_user(reader, password, root, perm="elr")

    class Handler(FTPHandler):
        pass

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0  # answer a wrong password at once
    logging.getLogger("pyftpdlib").addHandler(logging.NullHandler())

    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)

    def end_with_parent():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=end_with_parent, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
