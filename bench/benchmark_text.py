#!/usr/bin/env python3
# bench/benchmark_text.py FILE [BYTES]: the benchmarks' Portuguese text with numbers and
# capitals, one label-sized line at a time, BYTES long (2.8 MB unless given). The
# side-by-side benchmark times `pontelix braille` on it; the Windows build's test
# compares its Braille with the Linux build's.
import sys

PARAGRAPHS = [
    "Exercício {0}: o gráfico da função f(x) = 2x + {1} passa pelo ponto (0, {1}).",
    "No 1º bimestre a turma B teve média 7,5 e no 2º bimestre {0},25 pontos.",
    "A população do BRASIL passou de {0}.000.000 de habitantes em 1950.",
    "Em São Paulo a temperatura chegou a {0} graus; a umidade ficou em 35%.",
    "Os CDs e os DVDs da biblioteca (ver {0}) estão na 3ª estante à esquerda.",
    "A área do retângulo é {0} cm² e o perímetro mede 3.14 vezes o diâmetro.",
]


def write_text(path, limit=2_800_000):
    with open(path, "w", encoding="utf-8") as out:
        size, i = 0, 0
        while size < limit:
            line = PARAGRAPHS[i % len(PARAGRAPHS)].format(i + 2, i % 97) + "\n"
            out.write(line)
            size += len(line.encode("utf-8"))
            i += 1


if __name__ == "__main__":
    write_text(sys.argv[1], *(int(a) for a in sys.argv[2:3]))
