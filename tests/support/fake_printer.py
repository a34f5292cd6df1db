#!/usr/bin/env python3
"""A printer that misbehaves, for the tests: an IPP server on 127.0.0.1 only, on a free port,
that answers as the mode given says. It writes its port and a line feed on descriptor 3 (else on standard output),
writes one JSON line per request it received to LOG (the HTTP headers, the operation and every
attribute with its values, members as "collection/member"), and ends by itself after LIFETIME
seconds whatever happens.

Modes:
  close-on-accept   closes every connection as soon as it is made
  reset-at-headers  reads the request's headers, then resets the connection
  close-after-body  answers Get-Printer-Attributes; reads a Print-Job whole, then closes
  unauthorized      answers every request with 401 and a Basic challenge
  slow-reader       reads documents at RATE bytes a second (default 1 MB/s), then prints them
  stops-reading     reads 256 KB of a document, then nothing more, and never answers
  evil-status       refuses Print-Job with control characters in its status-message
  evil-job-uri      prints, with control characters in its job-uri
  no-scoping        lists overrides and insert-sheet without pages / insert-after-page-number
  silent            accepts connections and never says anything (a TLS printer that hangs)
  redirect          answers every request with 301 to the address it was asked
  garbled           answers every request with 200 and bytes that are no IPP reply

usage: fake_printer.py MODE LOG [LIFETIME] [RATE]
"""
import json
import os
import signal
import socket
import struct
import sys
import threading
import time

MODE, LOG = sys.argv[1], sys.argv[2]
LIFETIME = float(sys.argv[3]) if len(sys.argv) > 3 else 60.0
RATE = int(sys.argv[4]) if len(sys.argv) > 4 else 1 << 20
EVIL = "\x1b[2J\rERROR: forged\x07\nline two"


class Reader:
    """Buffered reads from a socket, at most RATE bytes a second when slow."""

    def __init__(self, conn, slow=False):
        self.conn, self.buffer, self.slow, self.total = conn, b"", slow, 0

    def fill(self):
        size = 65536 if not self.slow else min(65536, RATE // 10)
        data = self.conn.recv(size)
        if not data:
            raise EOFError
        if self.slow:
            time.sleep(len(data) / RATE)
        self.total += len(data)
        self.buffer += data

    def until(self, mark):
        while mark not in self.buffer:
            self.fill()
        at = self.buffer.index(mark) + len(mark)
        data, self.buffer = self.buffer[:at], self.buffer[at:]
        return data

    def exactly(self, n, keep=1 << 20):
        """The next n bytes, of which only the first keep are kept (a document can be large)."""
        data = bytearray()
        while n > 0:
            if not self.buffer:
                self.fill()
            piece, self.buffer = self.buffer[:n], self.buffer[n:]
            n -= len(piece)
            if len(data) < keep:
                data += piece[:keep - len(data)]
        return bytes(data)


def read_body(reader, headers, start):
    """The rest of the body, after the start already read."""
    if headers.get("transfer-encoding", "").lower() == "chunked":
        body = b""
        reader.buffer = start + reader.buffer  # chunk sizes come first: read again from the top
        while True:
            size = int(reader.until(b"\r\n").split(b";")[0], 16)
            body += reader.exactly(size)
            reader.until(b"\r\n")
            if size == 0:
                return body
    return start + reader.exactly(int(headers.get("content-length", "0")) - len(start))


def decode(body):
    """The operation, and the attributes as [group, name, tag, value] (members as a/b)."""
    op = struct.unpack(">H", body[2:4])[0]
    at, group, name, path, attrs = 8, 0, "", [], []
    while at < len(body):
        tag = body[at]
        at += 1
        if tag == 0x03:
            break
        if tag < 0x10:
            group = tag
            continue
        n = struct.unpack(">H", body[at:at + 2])[0]
        name_now = body[at + 2:at + 2 + n].decode("utf-8", "replace")
        at += 2 + n
        v = struct.unpack(">H", body[at:at + 2])[0]
        value = body[at + 2:at + 2 + v]
        at += 2 + v
        if name_now:
            name = name_now
        if tag == 0x4a:  # memberAttrName
            name = value.decode()
            continue
        full = "/".join(path + [name])
        if tag == 0x34:
            path.append(name)
            attrs.append([group, full, "collection", ""])
            continue
        if tag == 0x37:
            path.pop()
            continue
        if tag in (0x21, 0x23):
            shown = struct.unpack(">i", value)[0]
        elif tag == 0x33:
            shown = "%d-%d" % struct.unpack(">ii", value)
        elif tag == 0x22:
            shown = value[0] != 0
        else:
            shown = value.decode("utf-8", "replace")
        attrs.append([group, full, tag, shown])
    return op, attrs


def attr(tag, name, *values):
    out = b""
    for i, value in enumerate(values):
        data = value if isinstance(value, bytes) else str(value).encode()
        if tag in (0x21, 0x23):
            data = struct.pack(">i", value)
        key = name.encode() if i == 0 else b""
        out += struct.pack(">BH", tag, len(key)) + key + struct.pack(">H", len(data)) + data
    return out


def keywords(name, *words):
    return attr(0x44, name, *words)


def reply(status, request_id, *groups, message=None):
    out = struct.pack(">BBHI", 2, 0, status, request_id)
    out += b"\x01" + attr(0x47, "attributes-charset", "utf-8") + attr(0x48, "attributes-natural-language", "en")
    if message is not None:
        out += attr(0x41, "status-message", message)
    for tag, data in groups:
        out += bytes([tag]) + data
    return out + b"\x03"


def printer_attributes(request_id):
    data = attr(0x49, "document-format-supported", "application/pdf")
    data += attr(0x21, "job-recipient-name-supported", 255)
    if MODE == "no-scoping":
        # Scoping members left out: pages of overrides, insert-after-page-number of insert-sheet.
        data += keywords("overrides-supported", "media-col", "sides")
        data += keywords("insert-sheet-supported", "insert-count", "media-col")
        data += keywords("media-col-supported", "media-size", "media-color")
        data += keywords("media-color-supported", "yellow", "blue", "white")
        data += keywords("sides-supported", "one-sided", "two-sided-long-edge")
        data += attr(0x33, "insert-count-supported", struct.pack(">ii", 1, 100))
    return reply(0x0000, request_id, (0x04, data))


def send(conn, status_line, body=b"", extra=""):
    head = "HTTP/1.1 %s\r\nContent-Length: %d\r\nConnection: close\r\n%s" % (status_line, len(body), extra)
    if body:
        head += "Content-Type: application/ipp\r\n"
    conn.sendall(head.encode() + b"\r\n" + body)


def log(entry):
    with open(LOG, "a") as f:
        f.write(json.dumps(entry) + "\n")


def serve(conn):
    if MODE == "close-on-accept":
        return
    if MODE == "silent":
        time.sleep(LIFETIME)
        return
    reader = Reader(conn)
    head = reader.until(b"\r\n\r\n").decode("latin-1").split("\r\n")
    headers = {}
    for line in head[1:]:
        if ":" in line:
            k, v = line.split(":", 1)
            headers[k.strip().lower()] = v.strip()
    if MODE == "reset-at-headers":
        log({"headers": headers})
        conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        return
    if MODE == "unauthorized":
        log({"headers": headers})
        send(conn, "401 Unauthorized", extra='WWW-Authenticate: Basic realm="printer"\r\n')
        return
    if headers.get("expect", "").lower() == "100-continue":
        conn.sendall(b"HTTP/1.1 100 Continue\r\n\r\n")
    chunked = headers.get("transfer-encoding", "").lower() == "chunked"
    ipp = b"" if chunked else reader.exactly(8)
    op, request_id = (0, 0) if chunked else (struct.unpack(">H", ipp[2:4])[0], struct.unpack(">I", ipp[4:8])[0])
    if op == 0x0002 and MODE == "stops-reading":
        while reader.total < 256 * 1024:
            reader.fill()
        log({"headers": headers, "received": reader.total})
        time.sleep(LIFETIME)
        return
    reader.slow = op == 0x0002 and MODE == "slow-reader"
    started = time.monotonic()
    body = read_body(reader, headers, ipp)
    op, attrs = decode(body)
    request_id = struct.unpack(">I", body[4:8])[0]
    log({"headers": headers, "operation": op, "attributes": attrs, "bytes": reader.total,
         "seconds": time.monotonic() - started})
    if MODE == "redirect":
        send(conn, "301 Moved Permanently", extra="Location: /ipp/print\r\n")
    elif MODE == "garbled":
        send(conn, "200 OK", b"GARBAGE!")
    elif op == 0x000B:
        send(conn, "200 OK", printer_attributes(request_id))
    elif MODE == "close-after-body":
        return
    elif MODE == "evil-status":
        send(conn, "200 OK", reply(0x040A, request_id, message=EVIL))
    else:
        uri = "ipp://127.0.0.1/jobs/1" + (EVIL if MODE == "evil-job-uri" else "")
        send(conn, "200 OK", reply(0x0000, request_id, (0x02, attr(0x45, "job-uri", uri) + attr(0x21, "job-id", 1))))


def handle(conn):
    try:
        serve(conn)
    except (EOFError, OSError):
        pass
    finally:
        conn.close()


def main():
    signal.signal(signal.SIGALRM, lambda *_: sys.exit(0))
    signal.alarm(int(LIFETIME) + 1)
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.bind(("127.0.0.1", 0))
    server.listen(8)
    port = ("%d\n" % server.getsockname()[1]).encode()
    try:
        os.write(3, port)
        os.close(3)
    except OSError:
        sys.stdout.buffer.write(port)
        sys.stdout.flush()
    deadline = time.monotonic() + LIFETIME
    while time.monotonic() < deadline:
        server.settimeout(max(0.1, deadline - time.monotonic()))
        try:
            conn, _ = server.accept()
        except socket.timeout:
            break
        threading.Thread(target=handle, args=(conn,), daemon=True).start()


main()
