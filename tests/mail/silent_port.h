// A UDP port on the loopback address that takes what is sent to it and never answers: a name
// server gone silent. Header-only, for the mail tests and the mail options' window tests.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class CSilentUdpPort {
public:
    CSilentUdpPort()
        : m_nSocket(socket(AF_INET, SOCK_DGRAM, 0))
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_nSocket >= 0 && bind(m_nSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
            && getsockname(m_nSocket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            m_nPort = ntohs(address.sin_port);
    }
    ~CSilentUdpPort()
    {
        if (m_nSocket >= 0)
            close(m_nSocket);
    }
    CSilentUdpPort(const CSilentUdpPort&) = delete;
    CSilentUdpPort& operator=(const CSilentUdpPort&) = delete;

    // 0 when no port could be had.
    int Port() const { return m_nPort; }

private:
    int m_nSocket;
    int m_nPort = 0;
};
