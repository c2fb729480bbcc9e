"""A display or a bus that accepts connections and never answers them.

Usage: silent_peer.py x       listens on the TCP port of the first free X
                              display number from 4000 on, prints that number
       silent_peer.py PATH    listens on the Unix socket PATH, prints "ready"

Then it accepts every connection, keeps it open and never writes a byte,
until it is ended.
"""
import socket
import sys


def listen_as_x_display():
    for number in range(4000, 4100):
        peer = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        try:
            peer.bind(("127.0.0.1", 6000 + number))
        except OSError:
            peer.close()
            continue
        return peer, str(number)
    sys.exit("no free X display number from 4000 to 4099")


def listen_on_path(path):
    peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    peer.bind(path)
    return peer, "ready"


peer, said = listen_as_x_display() if sys.argv[1] == "x" else listen_on_path(sys.argv[1])
peer.listen(16)
print(said, flush=True)
accepted = []
while True:
    connection, _ = peer.accept()
    accepted.append(connection)
