#!/usr/bin/env python3
"""Validates each JSON document given (a file, one document or one a line) against docs/lunara-cli.schema.json.
Usage: check_json.py SCHEMA FILE...   Prints each finding; exit status 1 on any."""
import json
import sys

import jsonschema

with open(sys.argv[1], encoding="utf-8") as f:
    schema = json.load(f)
validator = jsonschema.Draft7Validator(schema)
validator.check_schema(schema)
problems = 0
for name in sys.argv[2:]:
    with open(name, encoding="utf-8") as f:
        text = f.read()
    try:
        documents = [json.loads(text)]
    except json.JSONDecodeError:
        documents = [json.loads(line) for line in text.splitlines() if line]
    if not documents:
        print(f"{name}: no document")
        problems += 1
    for document in documents:
        for error in validator.iter_errors(document):
            print(f"{name}: {'/'.join(str(p) for p in error.absolute_path)}: {error.message}")
            problems += 1
sys.exit(1 if problems else 0)
