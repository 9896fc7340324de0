#!/usr/bin/env python3
"""A loopback HTTP and HTTPS server for the tests that exercise the program's downloads.

It listens on 127.0.0.1 only, on ports the system picks, and keeps its state in one folder:

  ports          "http=N", "https=N" (0 when no certificate could be made) and "refused=N",
                 a port held bound without listening, so that a connection to it is refused
  requests.log   every request as it arrived: request line and headers, raw, each ending in
                 the blank line that closed it
  tls.log        one line per connection to the HTTPS port: the outcome of its handshake
  pid            the server's process id; server.out its own output

What it answers is steered by the query of each request (any path will do, so each test can
use paths of its own and find its requests in the log):

  status=404          the status code (default 200)
  body=TEXT           the body, percent-encoded bytes (default a small page)
  size=N              instead: N bytes of the pattern byte i = i % 251
  file=NAME           instead: the bytes of a file in the state folder
  length=none|N       Content-Length: left out (the body ends when the connection closes),
                      or announced as N whatever is sent (default: the body's length)
  send=N              send only the first N bytes of the body, then close
  delay_headers=MS    wait before the status line
  delay_body=MS       wait between the headers and the body
  stall=1             after what is sent, keep the connection open without closing it
  never=1             read the request and never answer

Commands:
  start --state-dir DIR   start a detached server there (replacing one left running) and wait
                          until it listens; used as the setup of a CTest fixture
  stop --state-dir DIR    stop the server started there; the fixture's cleanup
  serve --state-dir DIR   run in the foreground (what start runs)
"""

import argparse
import os
import signal
import socket
import socketserver
import ssl
import subprocess
import sys
import threading
import time
import urllib.parse

LOOPBACK = "127.0.0.1"
MAX_HEADER_BYTES = 65536
# A connection held open (stall, never) ends when the client goes or after this long.
HOLD_SECONDS = 120
# A server whose fixture cleanup never ran ends on its own after this long.
DEFAULT_LIFETIME_SECONDS = 3600
DEFAULT_BODY = b"<html><body>loopback</body></html>"


def pattern_bytes(size):
    block = bytes(i % 251 for i in range(251))
    whole, rest = divmod(size, 251)
    return block * whole + block[:rest]


class State:
    def __init__(self, folder):
        self.folder = folder
        self.lock = threading.Lock()
        self.stopping = threading.Event()

    def path(self, name):
        return os.path.join(self.folder, name)

    def append(self, name, data):
        with self.lock:
            with open(self.path(name), "ab") as f:
                f.write(data)
                f.flush()


def read_head(conn):
    """The request line and headers, up to and including the blank line; None if cut off."""
    data = b""
    while b"\r\n\r\n" not in data:
        if len(data) > MAX_HEADER_BYTES:
            return None
        chunk = conn.recv(4096)
        if not chunk:
            return None
        data += chunk
    return data[: data.index(b"\r\n\r\n") + 4]


def hold_open(conn, state):
    """Keeps the connection until the client closes it, the server stops or time runs out."""
    conn.settimeout(0.2)
    deadline = time.monotonic() + HOLD_SECONDS
    while not state.stopping.is_set() and time.monotonic() < deadline:
        try:
            if not conn.recv(4096):
                return
        except socket.timeout:
            continue
        except OSError:
            return


def pause(ms):
    if ms > 0:
        time.sleep(ms / 1000.0)


def body_for(options, state):
    if "body" in options:
        return urllib.parse.unquote_to_bytes(options["body"])
    if "size" in options:
        return pattern_bytes(int(options["size"]))
    if "file" in options:
        name = os.path.basename(options["file"])
        with open(state.path(name), "rb") as f:
            return f.read()
    return DEFAULT_BODY


def parse_options(head):
    request_line = head.split(b"\r\n", 1)[0].decode("latin-1")
    parts = request_line.split(" ")
    target = parts[1] if len(parts) >= 2 else "/"
    query = target.split("?", 1)[1] if "?" in target else ""
    options = {}
    for item in query.split("&"):
        if item:
            key, _, value = item.partition("=")
            # Values stay percent-encoded here; body= is decoded to bytes by body_for.
            options[key] = value
    return options


def answer(conn, state):
    head = read_head(conn)
    if head is None:
        return
    state.append("requests.log", head)
    options = parse_options(head)
    if options.get("never") == "1":
        hold_open(conn, state)
        return
    status = int(options.get("status", "200"))
    body = body_for(options, state)
    length = options.get("length")
    reason = {200: "OK", 404: "Not Found"}.get(status, "Status")
    headers = [f"HTTP/1.0 {status} {reason}", "Content-Type: text/html", "Connection: close"]
    if length is None:
        headers.append(f"Content-Length: {len(body)}")
    elif length != "none":
        headers.append(f"Content-Length: {int(length)}")
    if "send" in options:
        body = body[: int(options["send"])]
    pause(int(options.get("delay_headers", "0")))
    conn.sendall(("\r\n".join(headers) + "\r\n\r\n").encode("latin-1"))
    pause(int(options.get("delay_body", "0")))
    conn.sendall(body)
    if options.get("stall") == "1":
        hold_open(conn, state)


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        state = self.server.state
        conn = self.request
        try:
            if self.server.tls_context is not None:
                try:
                    conn = self.server.tls_context.wrap_socket(conn, server_side=True)
                except (ssl.SSLError, OSError) as error:
                    state.append("tls.log", f"handshake failed: {error}\n".encode())
                    return
                state.append("tls.log", b"handshake ok\n")
            answer(conn, state)
        except (OSError, ValueError):
            pass  # the client went away, or asked for something malformed


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = False

    def __init__(self, state, tls_context=None):
        self.state = state
        self.tls_context = tls_context
        super().__init__((LOOPBACK, 0), Handler)


def make_certificate(state):
    """A self-signed certificate for 127.0.0.1, or None when the openssl tool is missing."""
    cert, key = state.path("server.crt"), state.path("server.key")
    try:
        subprocess.run(
            ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
             "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
             "-keyout", key, "-out", cert],
            check=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, timeout=60)
    except (OSError, subprocess.SubprocessError):
        return None
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


def serve(folder, lifetime):
    state = State(folder)
    servers = [Server(state)]
    tls_context = make_certificate(state)
    if tls_context is not None:
        servers.append(Server(state, tls_context))
    # Bound and never listening: connections to this port are refused for as long as we run.
    refused = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    refused.bind((LOOPBACK, 0))

    def stop(*_):
        state.stopping.set()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    for s in servers:
        threading.Thread(target=s.serve_forever, kwargs={"poll_interval": 0.2}, daemon=True).start()

    https_port = servers[1].server_address[1] if len(servers) > 1 else 0
    ports = (f"http={servers[0].server_address[1]}\nhttps={https_port}\n"
             f"refused={refused.getsockname()[1]}\n")
    # Written whole under another name first, so that a reader never sees half of it.
    with open(state.path("ports.tmp"), "w") as f:
        f.write(ports)
    os.replace(state.path("ports.tmp"), state.path("ports"))

    state.stopping.wait(lifetime)
    for s in servers:
        s.shutdown()
        s.server_close()
    refused.close()
    try:
        os.remove(state.path("ports"))
    except OSError:
        pass


def running_pid(folder):
    """The pid of a server of ours recorded in folder that is still alive, else None."""
    try:
        with open(os.path.join(folder, "pid")) as f:
            pid = int(f.read().strip())
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            cmdline = f.read()
    except (OSError, ValueError):
        return None
    # The pid may have been reused by another program since.
    if b"loopback_http_server.py" in cmdline and b"serve" in cmdline:
        return pid
    return None


def stop_server(folder):
    pid = running_pid(folder)
    if pid is not None:
        os.kill(pid, signal.SIGTERM)
        for _ in range(100):
            if running_pid(folder) is None:
                break
            time.sleep(0.05)
        else:
            os.kill(pid, signal.SIGKILL)
    for name in ("pid", "ports"):
        try:
            os.remove(os.path.join(folder, name))
        except OSError:
            pass


def start_server(folder, lifetime):
    os.makedirs(folder, exist_ok=True)
    stop_server(folder)
    for name in ("requests.log", "tls.log", "ports.tmp", "server.out"):
        try:
            os.remove(os.path.join(folder, name))
        except OSError:
            pass
    with open(os.path.join(folder, "server.out"), "wb") as out:
        # Its own session and no inherited pipes: CTest waits for the output of a test to
        # close, so the server must not hold the setup test's stdout.
        child = subprocess.Popen(
            [sys.executable, os.path.abspath(__file__), "serve", "--state-dir", folder,
             "--lifetime", str(lifetime)],
            stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
            start_new_session=True, close_fds=True)
    with open(os.path.join(folder, "pid"), "w") as f:
        f.write(f"{child.pid}\n")
    ports_file = os.path.join(folder, "ports")
    for _ in range(600):
        if os.path.exists(ports_file):
            with open(ports_file) as f:
                sys.stdout.write(f.read())
            return 0
        if child.poll() is not None:
            break
        time.sleep(0.05)
    sys.stderr.write("loopback server did not start; see server.out in the state folder\n")
    stop_server(folder)
    return 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("command", choices=["start", "stop", "serve"])
    parser.add_argument("--state-dir", required=True)
    parser.add_argument("--lifetime", type=float, default=DEFAULT_LIFETIME_SECONDS)
    args = parser.parse_args()
    folder = os.path.abspath(args.state_dir)
    if args.command == "start":
        return start_server(folder, args.lifetime)
    if args.command == "stop":
        stop_server(folder)
        return 0
    serve(folder, args.lifetime)
    return 0


if __name__ == "__main__":
    sys.exit(main())
