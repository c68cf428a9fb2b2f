# Stands in front of a bus daemon as a bus slow to answer: a client's authentication passes at once,
# everything it sends after that waits until a file exists.
# Usage: held_bus.py LISTEN_SOCKET DAEMON_SOCKET RELEASE_FILE
# Writes LISTEN_SOCKET.holding once a client's first message is being held.
import os
import socket
import sys
import threading
import time

listen_path, daemon_path, release = sys.argv[1:4]


def pipe(source, sink):
    try:
        while data := source.recv(65536):
            sink.sendall(data)
    except OSError:
        pass
    for s in (source, sink):
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def upstream(client, daemon):
    tail = b""
    try:
        while data := client.recv(65536):
            text = tail + data
            at = text.find(b"BEGIN\r\n")
            if at < 0:
                daemon.sendall(data)
                tail = text[-6:]
                continue
            end = at + len(b"BEGIN\r\n") - len(tail)
            daemon.sendall(data[:end])
            held = data[end:]
            while not held:
                held = client.recv(65536)
                if not held:
                    return
            open(listen_path + ".holding", "w").close()
            while not os.path.exists(release):
                time.sleep(0.05)
            daemon.sendall(held)
            break
    except OSError:
        return
    pipe(client, daemon)


server = socket.socket(socket.AF_UNIX)
server.bind(listen_path)
server.listen(8)
while True:
    client, _ = server.accept()
    daemon = socket.socket(socket.AF_UNIX)
    daemon.connect(daemon_path)
    threading.Thread(target=upstream, args=(client, daemon), daemon=True).start()
    threading.Thread(target=pipe, args=(daemon, client), daemon=True).start()
