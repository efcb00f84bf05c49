// Keeps the portable host library non-empty before its first rule lands.
