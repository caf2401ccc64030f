#!/usr/bin/python3
"""A loopback FTP server for the upload tests.

ftp_server.py ROOT USER PASSWORD LOG [READ_LIMIT]
Serves ROOT to USER on 127.0.0.1 at a free port, prints the port on the first line of
stdout, and appends each command it receives (the password replaced by "***") and each
stored file ("RECEIVED <name>") to LOG. READ_LIMIT, when given and above 0, throttles
what the server reads from clients to that many bytes a second.
"""
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root, user, password, log_path = sys.argv[1:5]
    read_limit = int(sys.argv[5]) if len(sys.argv) > 5 else 0
    log = open(log_path, "a", buffering=1)

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            log.write((cmd + " ***" if cmd == "PASS" else line) + "\n")
            super().pre_process_command(line, cmd, arg)

        def on_file_received(self, file):
            log.write("RECEIVED " + file + "\n")

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmw")
    Handler.authorizer = authorizer
    if read_limit > 0:
        dtp = ThrottledDTPHandler
        dtp.read_limit = read_limit
        Handler.dtp_handler = dtp
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)
    server.serve_forever(timeout=0.2)


if __name__ == "__main__":
    main()
