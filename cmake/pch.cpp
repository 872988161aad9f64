// The precompiled headers' holders compile this empty file with their headers.
