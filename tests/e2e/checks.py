"""A failed check of an end-to-end case."""


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
