"""A stand-in for the product's web sites on 127.0.0.1:80 for the end-to-end
test: every path answers with a small HTML page; the paths are logged."""
import http.server
import sys

LOG = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(LOG, "a") as log:
            log.write(self.path + "\n")
        body = f"<html><head><title>{self.path}</title></head><body>{self.path}</body></html>"
        data = body.encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *args):
        pass


http.server.HTTPServer(("127.0.0.1", 80), Handler).serve_forever()
