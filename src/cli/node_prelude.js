// SPDX-License-Identifier: MIT
// tevrimo-cli under node, before the program starts. node opens /dev/null in place of a
// standard descriptor that was closed; the `tevrimo-cli` wrapper names those in
// TEVRIMO_CLOSED_FDS, and reading or writing them fails here as on a closed descriptor.
if (typeof process === "object" && process.env.TEVRIMO_CLOSED_FDS) {
  const closed = new Set(process.env.TEVRIMO_CLOSED_FDS.split(" ").filter((fd) => fd !== "").map(Number));
  delete process.env.TEVRIMO_CLOSED_FDS;
  const nodeFs = require("fs");
  for (const name of ["readSync", "writeSync"]) {
    const original = nodeFs[name];
    nodeFs[name] = function (fd, ...rest) {
      if (closed.has(fd)) {
        const error = new Error("EBADF: bad file descriptor");
        error.code = "EBADF";
        throw error;
      }
      return original.call(this, fd, ...rest);
    };
  }
}
